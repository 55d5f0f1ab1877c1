#include "app/paint/ItemArea.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/text/AnsiField.h"
#include "base/text/TextFit.h"

TItemAreaLook ItemAreaLook(const TSettings& settings) {
  return {settings.Colum, settings.BTN_PAT, settings.FILE_DISP, settings.COUNT_DISP, settings.BH,
          settings.BM,    settings.BL,      settings.NameC,     settings.CountC};
}

int CharacterHeight(int points, int dpi) { return (points * dpi + 36) / 72; }

int CellWidth(int areaWidth, int colum) { return colum == 0 ? 0 : (areaWidth - colum) / colum; }

int CellHeight(const TItemAreaLook& look, int dpi) {
  const int icon = TScale(dpi).Pixels(kIconCellHeight);
  if (look.Colum == 1) return icon;
  const int line = CharacterHeight(kGridFontPoints, dpi);
  return icon + (look.FILE_DISP == 1 ? line : 0) + (look.COUNT_DISP == 1 ? line : 0);
}

int SlotAt(TPoint point, int colum, int cellWidth, int cellHeight, int scroll) {
  const int column = cellWidth == 0 ? 0 : point.X / cellWidth;
  const int row = cellHeight == 0 ? 0 : point.Y / cellHeight;
  return column + colum * (row + scroll);
}

TItemAreaPainter::TItemAreaPainter(ICanvas& canvas, const TItemAreaLook& look,
                                   const TSheetBuffer& sheet, const ITextCodec& codec)
    : canvas_(canvas), scale_(canvas.Dpi()), look_(look), sheet_(sheet), codec_(codec) {}

TRect TItemAreaPainter::CellRect(int slot, int cellWidth, int cellHeight, int scroll) const {
  const int colum = look_.Colum;
  const int column = colum == 0 ? 0 : slot % colum;
  const int row = (colum == 0 ? 0 : slot / colum) - scroll;
  const int top = row * cellHeight;
  const int margin = scale_.Pixels(kCellMargin);
  return {column * cellWidth + margin, top, column * cellWidth + cellWidth - margin,
          top + cellHeight};
}

int TItemAreaPainter::Paint(int width, int height, int cellHeight, int scroll) {
  const int cellWidth = CellWidth(width, look_.Colum);
  if (look_.BTN_PAT == 0) {
    PaintButtonLines(width, height, cellWidth, cellHeight);
  } else {
    PaintGridLines(width, height, cellWidth, cellHeight);
  }
  // A cell wholly outside the area or the dirty part would only be clipped away.
  const TRect drawn = dirty_.value_or(TRect{0, 0, width, height});
  for (int i = 0; i < sheet_.Count; ++i) {
    const TRect cell =
        CellRect(sheet_.Items[static_cast<std::size_t>(i)].Slot, cellWidth, cellHeight, scroll);
    if (cell.Bottom > std::max(drawn.Top, 0) && cell.Top < std::min(drawn.Bottom, height) &&
        cell.Right > drawn.Left && cell.Left < drawn.Right) {
      DrawItemCell(i, cell);
    }
  }
  if (sheet_.Count == 0 && !emptyText_.empty()) DrawEmptyText(width, height);
  if (selectedSlot_ >= 0)
    DrawSelectionFrame(CellRect(selectedSlot_, cellWidth, cellHeight, scroll));
  return cellWidth;
}

// Just inside the cell, clear of the cell's own edges.
void TItemAreaPainter::DrawSelectionFrame(TRect cell) {
  canvas_.SetPen(look_.NameC);
  for (int inset = 1; inset <= scale_.Pixels(kSelectionFrameWidth); ++inset) {
    const int left = cell.Left + inset - 1;
    const int top = cell.Top + inset + 1;
    const int right = cell.Right - inset + 1;
    const int bottom = cell.Bottom - inset - 1;
    canvas_.Line({left, top}, {right, top});
    canvas_.Line({right, top}, {right, bottom});
    canvas_.Line({right, bottom}, {left, bottom});
    canvas_.Line({left, bottom}, {left, top});
  }
}

// In a box of the face colour, so that the lines do not cross the text.
void TItemAreaPainter::DrawEmptyText(int width, int height) {
  constexpr int kMargin = 8;
  constexpr int kPadding = 6;
  canvas_.SetFont(kGridFont, kGridFontPoints);
  const std::vector<std::wstring> lines =
      WrappedLines(emptyText_, std::max(1, width - 2 * (kMargin + kPadding)), Measure());
  const int lineHeight = CharacterHeight(kGridFontPoints, canvas_.Dpi()) + 2;
  int textWidth = 0;
  for (const std::wstring& line : lines) textWidth = std::max(textWidth, canvas_.TextWidth(line));
  const int boxWidth = textWidth + 2 * kPadding;
  const int boxHeight = lineHeight * static_cast<int>(lines.size()) + 2 * kPadding;
  const TRect box{(width - boxWidth) / 2, (height - boxHeight) / 2, (width + boxWidth) / 2,
                  (height + boxHeight) / 2};
  canvas_.SetPen(look_.BL);
  canvas_.SetBrush(look_.BM);
  canvas_.Rectangle(box);
  canvas_.SetBrushClear();
  canvas_.SetFontColor(look_.NameC);
  int top = box.Top + kPadding;
  for (const std::wstring& line : lines) {
    canvas_.TextOutClipped(box, {box.Left + (box.Width() - canvas_.TextWidth(line)) / 2, top},
                           line);
    top += lineHeight;
  }
}

void TItemAreaPainter::PaintButtonLines(int width, int height, int cellWidth, int cellHeight) {
  const int columns = look_.Colum;
  const int rows = cellHeight == 0 ? 0 : height / cellHeight;
  const int linesEnd = cellWidth * columns;
  canvas_.SetPen(look_.BM);
  canvas_.SetBrush(look_.BM);
  canvas_.Rectangle({0, 0, width, height});
  for (int q = 0; q <= rows; ++q) {
    const int y = q * cellHeight;
    canvas_.SetPen(look_.BH);
    canvas_.Line({0, y + 1}, {linesEnd, y + 1});
    canvas_.SetPen(look_.BL);
    canvas_.Line({0, y - 1}, {linesEnd, y - 1});
  }
  for (int q = 0; q <= columns; ++q) {
    const int x = q * cellWidth;
    // Right of the last column lies no cell: its strip keeps the face colour.
    if (q < columns) {
      canvas_.SetPen(look_.BH);
      canvas_.Line({x + 1, 0}, {x + 1, height});
    }
    canvas_.SetPen(look_.BL);
    canvas_.Line({x - 1, 0}, {x - 1, height});
  }
  canvas_.SetPen(clBlack);
  for (int q = 0; q <= columns; ++q) canvas_.Line({q * cellWidth, 0}, {q * cellWidth, height});
  for (int q = 0; q <= rows; ++q) canvas_.Line({0, q * cellHeight}, {linesEnd, q * cellHeight});
}

void TItemAreaPainter::PaintGridLines(int width, int height, int cellWidth, int cellHeight) {
  canvas_.SetPen(look_.BL);
  canvas_.SetBrush(look_.BM);
  canvas_.Rectangle({0, 0, width, height});
  for (int q = 1; q <= look_.Colum - 1; ++q) {
    canvas_.Line({q * cellWidth, 0}, {q * cellWidth, height});
  }
  const int rows = cellHeight == 0 ? 0 : height / cellHeight;
  for (int q = 1; q <= rows; ++q) canvas_.Line({0, q * cellHeight}, {width, q * cellHeight});
}

void TItemAreaPainter::DrawItemCell(int index, TRect cell) {
  if (index < 0) return;
  if (look_.Colum == 1) {
    DrawListCell(index, cell);
  } else {
    DrawGridCell(index, cell);
  }
}

int TItemAreaPainter::IconIndex(int index) const {
  if (iconIndexes_.empty()) return index;
  // An item without an image (none should be) draws no icon.
  if (static_cast<std::size_t>(index) >= iconIndexes_.size()) return -1;
  return iconIndexes_[static_cast<std::size_t>(index)];
}

void TItemAreaPainter::DrawListCell(int index, TRect cell) {
  const TLauncherItem& item = sheet_.Items[static_cast<std::size_t>(index)];
  const int margin = scale_.Pixels(kCellMargin);
  canvas_.DrawIcon(IconIndex(index), {cell.Left + margin, cell.Top + margin});
  canvas_.SetFont(kListFont, kListFontPoints);
  canvas_.SetBrushClear();
  // The font colour is left as the last paint set it. A long name gives way
  // to the count.
  const int left = cell.Left + scale_.Pixels(kListTextLeft);
  const std::wstring count = L":" + std::to_wstring(item.Count);
  const std::wstring text = FitWithEllipsis(DecodeField(item.Display, codec_),
                                            cell.Right - left - canvas_.TextWidth(count), Measure()) +
                            count;
  const int characterHeight = CharacterHeight(kListFontPoints, scale_.Dpi());
  canvas_.TextOutClipped(cell, {left, cell.Top + (cell.Height() - characterHeight) / 2}, text);
}

void TItemAreaPainter::DrawGridCell(int index, TRect cell) {
  const TLauncherItem& item = sheet_.Items[static_cast<std::size_t>(index)];
  canvas_.DrawIcon(IconIndex(index), {cell.Left + (cell.Width() - scale_.Pixels(kIconSize)) / 2,
                                      cell.Top + scale_.Pixels(kCellMargin)});
  canvas_.SetFont(kGridFont, kGridFontPoints);
  canvas_.SetBrushClear();
  int textTop = cell.Top + scale_.Pixels(kNameTop);
  if (look_.FILE_DISP == 1) {
    canvas_.SetFontColor(look_.NameC);
    DrawCentredText(DecodeField(item.Display, codec_), cell, textTop);
    textTop += CharacterHeight(kGridFontPoints, scale_.Dpi());
  }
  if (look_.COUNT_DISP == 1) {
    canvas_.SetFontColor(look_.CountC);
    DrawCentredText(std::to_wstring(item.Count), cell, textTop);
  }
}

// A text wider than the cell ends with "…" inside it.
void TItemAreaPainter::DrawCentredText(std::wstring_view text, TRect cell, int top) {
  const std::wstring shown = FitWithEllipsis(text, cell.Width(), Measure());
  const int offset = std::max(0, (cell.Width() - canvas_.TextWidth(shown)) / 2);
  canvas_.TextOutClipped(cell, {cell.Left + offset, top}, shown);
}

void TItemAreaPainter::DrawCellFrame(bool released, TPoint pressedCell, int cellWidth,
                                     int cellHeight) {
  const int x0 = pressedCell.X * cellWidth;
  const int y0 = pressedCell.Y * cellHeight;
  const int w = cellWidth;
  const int h = cellHeight;
  const TColor face = released ? look_.BM : look_.BL;
  canvas_.SetPen(face);
  canvas_.SetBrush(face);
  if (look_.BTN_PAT != 0) {
    canvas_.Rectangle({x0 + 1, y0 + 1, x0 + w, y0 + h});
    return;
  }
  canvas_.Rectangle({x0 + 1, y0 + 1, x0 + w - 1, y0 + h - 1});
  canvas_.SetPen(released ? look_.BH : clBlack);
  canvas_.Line({x0 + 1, y0 + 1}, {x0 + w - 1, y0 + 1});
  canvas_.Line({x0 + 1, y0 + 1}, {x0 + 1, y0 + h - 1});
  if (released) {
    canvas_.SetPen(look_.BL);
    canvas_.Line({x0 + w - 1, y0 + h - 1}, {x0 + w - 1, y0 + 1});
    canvas_.Line({x0 + w - 1, y0 + h - 1}, {x0 + 1, y0 + h - 1});
  }
}
