#pragma once
// The item area's canvas on a device context of a window at a DPI: pens,
// brushes and fonts are created the first time the painting steps ask for
// them and kept for later paints by their owner.

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>
#include <utility>

#include "app/paint/Canvas.h"
#include "app/paint/ColorRef_win.h"
#include "base/win32/Handles_win.h"

// The pens, brushes and fonts of the paints of one window, made once.
class TGdiObjectCache {
 public:
  [[nodiscard]] HPEN Pen(TColor color);
  [[nodiscard]] HBRUSH Brush(TColor color);
  [[nodiscard]] HFONT Font(std::wstring_view name, int points, int dpi);

 private:
  std::map<TColor, TPen> pens_;
  std::map<TColor, TBrush> brushes_;
  std::map<std::pair<std::wstring, int>, TFont> fonts_;  // by face and height in pixels
};

class TGdiCanvas : public ICanvas {
 public:
  // None owned: the objects come from the cache and stay in it.
  TGdiCanvas(HDC dc, int dpi, HIMAGELIST icons, TColor fontColor, TGdiObjectCache& objects);
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
  int dpi_;
  HIMAGELIST icons_;
  TColor fontColor_;
  TGdiObjectCache& objects_;
  bool brushClear_ = false;
  HFONT font_ = nullptr;  // the one selected, from the cache
  HGDIOBJ originalPen_;
  HGDIOBJ originalBrush_;
  HGDIOBJ originalFont_;
};

// A font of the given face at a point size, for a window at the DPI.
[[nodiscard]] HFONT CreatePointFont(std::wstring_view face, int points, int dpi);
