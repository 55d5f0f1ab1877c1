#pragma once
// The item area's canvas on a device context: pens, brushes and fonts are
// created as the painting steps ask for them and released at the end.

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>
#include <utility>

#include "app/paint/Canvas.h"
#include "app/paint/ColorRef_win.h"

class TGdiCanvas : public ICanvas {
 public:
  // Neither the device context nor the image list is owned.
  TGdiCanvas(HDC dc, HIMAGELIST icons, TColor fontColor);
  ~TGdiCanvas() override;
  TGdiCanvas(const TGdiCanvas&) = delete;
  TGdiCanvas& operator=(const TGdiCanvas&) = delete;

  void SetPen(TColor color) override;
  void SetBrush(TColor color) override;
  void SetBrushClear() override;
  void Rectangle(TRect rect) override;
  void Line(TPoint from, TPoint to) override;
  void DrawIcon(int index, TPoint at) override;
  void SetFont(std::wstring_view name, int points) override;
  void SetFontColor(TColor color) override;
  [[nodiscard]] int TextWidth(std::wstring_view text) override;
  void TextOutClipped(TRect clip, TPoint at, std::wstring_view text) override;
  [[nodiscard]] int Dpi() const override;

  // The font colour as the last step left it; the next paint starts from it.
  [[nodiscard]] TColor FontColor() const { return fontColor_; }

 private:
  HDC dc_;
  HIMAGELIST icons_;
  TColor fontColor_;
  bool brushClear_ = false;
  HGDIOBJ originalPen_;
  HGDIOBJ originalBrush_;
  HGDIOBJ originalFont_;
  std::map<TColor, HPEN> pens_;
  std::map<TColor, HBRUSH> brushes_;
  std::map<std::pair<std::wstring, int>, HFONT> fonts_;
};

// A font of the given face at a point size, for this screen.
[[nodiscard]] HFONT CreatePointFont(std::wstring_view face, int points);
