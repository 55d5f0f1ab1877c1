#include "app/paint/GdiCanvas_win.h"

HFONT CreatePointFont(std::wstring_view face, int points, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(points, dpi, 72);
  font.lfCharSet = DEFAULT_CHARSET;
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}

HPEN TGdiObjectCache::Pen(TColor color) {
  auto [found, added] = pens_.try_emplace(color);
  if (added) found->second.Reset(CreatePen(PS_SOLID, 1, ToColorRef(color)));
  return found->second.Get();
}

HBRUSH TGdiObjectCache::Brush(TColor color) {
  auto [found, added] = brushes_.try_emplace(color);
  if (added) found->second.Reset(CreateSolidBrush(ToColorRef(color)));
  return found->second.Get();
}

HFONT TGdiObjectCache::Font(std::wstring_view name, int points, int dpi) {
  auto [found, added] = fonts_.try_emplace({std::wstring(name), MulDiv(points, dpi, 72)});
  if (added) found->second.Reset(CreatePointFont(name, points, dpi));
  return found->second.Get();
}

TGdiCanvas::TGdiCanvas(HDC dc, int dpi, HIMAGELIST icons, TColor fontColor,
                       TGdiObjectCache& objects)
    : dc_(dc),
      dpi_(dpi),
      icons_(icons),
      fontColor_(fontColor),
      objects_(objects),
      originalPen_(GetCurrentObject(dc, OBJ_PEN)),
      originalBrush_(GetCurrentObject(dc, OBJ_BRUSH)),
      originalFont_(GetCurrentObject(dc, OBJ_FONT)) {
  SetTextColor(dc_, ToColorRef(fontColor_));
}

TGdiCanvas::~TGdiCanvas() {
  SelectObject(dc_, originalPen_);
  SelectObject(dc_, originalBrush_);
  SelectObject(dc_, originalFont_);
}

void TGdiCanvas::SetPen(TColor color) { SelectObject(dc_, objects_.Pen(color)); }

void TGdiCanvas::SetBrush(TColor color) {
  SelectObject(dc_, objects_.Brush(color));
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

// Each cell asks for its font: selected again only when it changes.
void TGdiCanvas::SetFont(std::wstring_view name, int points) {
  const HFONT font = objects_.Font(name, points, dpi_);
  if (font == font_) return;
  SelectObject(dc_, font);
  font_ = font;
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

int TGdiCanvas::Dpi() const { return dpi_; }
