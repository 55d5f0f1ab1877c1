#pragma once
// The drawing surface of the item area: the painting steps are calls on this
// interface, replayed on a device context by the window and recorded by tests.

#include <string_view>

#include "base/Geometry.h"
#include "app/settings/Colors.h"

class ICanvas {
 public:
  virtual ~ICanvas() = default;
  virtual void SetPen(TColor color) = 0;
  virtual void SetBrush(TColor color) = 0;  // solid
  virtual void SetBrushClear() = 0;         // text without background
  // Outlined with the pen and filled with the brush.
  virtual void Rectangle(TRect rect) = 0;
  // Leaves out the end point.
  virtual void Line(TPoint from, TPoint to) = 0;
  // Image of the icon list at the list's own size (the icon size at the DPI).
  virtual void DrawIcon(int index, TPoint at) = 0;
  virtual void SetFont(std::wstring_view name, int points) = 0;
  virtual void SetFontColor(TColor color) = 0;
  [[nodiscard]] virtual int TextWidth(std::wstring_view text) = 0;
  // One line placed by its top-left corner, cut at the clip rectangle.
  virtual void TextOutClipped(TRect clip, TPoint at, std::wstring_view text) = 0;
  // Dots per inch of the window painted on: fonts and sizes follow it.
  [[nodiscard]] virtual int Dpi() const = 0;
};
