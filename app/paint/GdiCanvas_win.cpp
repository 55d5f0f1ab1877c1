#include "app/paint/GdiCanvas_win.h"

HFONT CreatePointFont(std::wstring_view face, int points) {
  const HDC screen = GetDC(nullptr);
  const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfCharSet = DEFAULT_CHARSET;
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}

TGdiCanvas::TGdiCanvas(HDC dc, HIMAGELIST icons, TColor fontColor)
    : dc_(dc),
      icons_(icons),
      fontColor_(fontColor),
      originalPen_(GetCurrentObject(dc, OBJ_PEN)),
      originalBrush_(GetCurrentObject(dc, OBJ_BRUSH)),
      originalFont_(GetCurrentObject(dc, OBJ_FONT)) {
  SetTextColor(dc_, ToColorRef(fontColor_));
}

TGdiCanvas::~TGdiCanvas() {
  SelectObject(dc_, originalPen_);
  SelectObject(dc_, originalBrush_);
  SelectObject(dc_, originalFont_);
  for (auto& [color, pen] : pens_) DeleteObject(pen);
  for (auto& [color, brush] : brushes_) DeleteObject(brush);
  for (auto& [key, font] : fonts_) DeleteObject(font);
}

void TGdiCanvas::SetPen(TColor color) {
  auto [found, added] = pens_.try_emplace(color, nullptr);
  if (added) found->second = CreatePen(PS_SOLID, 1, ToColorRef(color));
  SelectObject(dc_, found->second);
}

void TGdiCanvas::SetBrush(TColor color) {
  auto [found, added] = brushes_.try_emplace(color, nullptr);
  if (added) found->second = CreateSolidBrush(ToColorRef(color));
  SelectObject(dc_, found->second);
  brushClear_ = false;
}

void TGdiCanvas::SetBrushClear() {
  SelectObject(dc_, GetStockObject(NULL_BRUSH));
  brushClear_ = true;
}

void TGdiCanvas::Rectangle(TRect rect) {
  ::Rectangle(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TGdiCanvas::Line(TPoint from, TPoint to) {
  MoveToEx(dc_, from.X, from.Y, nullptr);
  LineTo(dc_, to.X, to.Y);
}

void TGdiCanvas::DrawIcon(int index, TPoint at) {
  if (icons_) ImageList_Draw(icons_, index, dc_, at.X, at.Y, ILD_TRANSPARENT);
}

void TGdiCanvas::SetFont(std::wstring_view name, int points) {
  auto [found, added] = fonts_.try_emplace({std::wstring(name), points}, nullptr);
  if (added) found->second = CreatePointFont(name, points);
  SelectObject(dc_, found->second);
}

void TGdiCanvas::SetFontColor(TColor color) {
  fontColor_ = color;
  SetTextColor(dc_, ToColorRef(color));
}

int TGdiCanvas::TextWidth(std::wstring_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void TGdiCanvas::TextOutClipped(TRect clip, TPoint at, std::wstring_view text) {
  const RECT rect{clip.Left, clip.Top, clip.Right, clip.Bottom};
  SetBkMode(dc_, brushClear_ ? TRANSPARENT : OPAQUE);
  ExtTextOutW(dc_, at.X, at.Y, ETO_CLIPPED, &rect, text.data(), static_cast<UINT>(text.size()),
              nullptr);
}

int TGdiCanvas::Dpi() const { return GetDeviceCaps(dc_, LOGPIXELSY); }
