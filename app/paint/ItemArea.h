#pragma once
// The item area: a grid of equal cells holding the current sheet's items,
// in the raised-button look or the flat grid look, or a one-column list.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "app/form/Metrics.h"
#include "app/paint/Canvas.h"
#include "app/settings/Settings.h"
#include "app/sheets/SheetBuffer.h"
#include "base/text/TextCodec.h"
#include "base/text/TextFit.h"

// The scroll range always reaches row 15 at least, however few the items.
inline constexpr int kLeastLastScrollPosition = 15;
inline constexpr std::wstring_view kGridFont = L"ＭＳ Ｐゴシック";
inline constexpr int kGridFontPoints = 9;
inline constexpr std::wstring_view kListFont = L"FixedSys";
inline constexpr int kListFontPoints = 14;
// What an area without items says: an empty sheet, a find without a match.
inline constexpr std::wstring_view kEmptySheetHint =
    L"ここにファイルやフォルダをドロップすると登録されます";
inline constexpr std::wstring_view kNothingFound = L"見つかりません";

// The settings the item area reads.
struct TItemAreaLook {
  int Colum = 3;
  int BTN_PAT = 0;  // 0 = buttons, otherwise grid
  std::uint8_t FILE_DISP = 0;
  std::uint8_t COUNT_DISP = 0;
  TColor BH = clBtnHighlight;
  TColor BM = clBtnFace;
  TColor BL = clBtnShadow;
  TColor NameC = clBlack;
  TColor CountC = clBlack;
};

[[nodiscard]] TItemAreaLook ItemAreaLook(const TSettings& settings);

// The requested height of a font: points x dpi / 72, rounded.
[[nodiscard]] int CharacterHeight(int points, int dpi);
// trunc((W - C) / C); 0 when there are no columns.
[[nodiscard]] int CellWidth(int areaWidth, int colum);
// The icon's cell, plus a line of the grid font for the name and one for the
// count: 36, 48 or 60 at 96 DPI.
[[nodiscard]] int CellHeight(const TItemAreaLook& look, int dpi);
// Slot of a point of the area: column + C x (visible row + scroll position).
[[nodiscard]] int SlotAt(TPoint point, int colum, int cellWidth, int cellHeight, int scroll);

class TItemAreaPainter {
 public:
  // None owned. Sizes follow the canvas's DPI.
  TItemAreaPainter(ICanvas& canvas, const TItemAreaLook& look, const TSheetBuffer& sheet,
                   const ITextCodec& codec);

  // The image of item i is image iconIndexes[i] of the icon list; without
  // them, image i.
  void SetIconIndexes(std::span<const int> iconIndexes) { iconIndexes_ = iconIndexes; }
  // The cell the keys selected gets a frame in the name colour; -1 for none.
  void SetSelectedSlot(int slot) { selectedSlot_ = slot; }
  // Only the items touching this rectangle are drawn (a repaint of part of
  // the area); without it, every item in the area.
  void SetDirtyRect(TRect dirty) { dirty_ = dirty; }
  // Said in the middle of the area while it shows no item; none by default.
  void SetEmptyText(std::wstring_view text) { emptyText_ = text; }
  // PAriaPaint: background, lines, every item and the selection frame;
  // returns the cell width.
  int Paint(int width, int height, int cellHeight, int scroll);
  // Draws one item into a cell rectangle; an index below 0 draws nothing.
  void DrawItemCell(int index, TRect cell);
  // The frame of the pressed cell, sunk (released false) or raised again.
  void DrawCellFrame(bool released, TPoint pressedCell, int cellWidth, int cellHeight);
  // The rectangle an item is drawn in: a margin kept free left and right.
  [[nodiscard]] TRect CellRect(int slot, int cellWidth, int cellHeight, int scroll) const;

 private:
  void PaintButtonLines(int width, int height, int cellWidth, int cellHeight);
  void PaintGridLines(int width, int height, int cellWidth, int cellHeight);
  void DrawListCell(int index, TRect cell);
  void DrawGridCell(int index, TRect cell);
  void DrawCentredText(std::wstring_view text, TRect cell, int top);
  void DrawSelectionFrame(TRect cell);
  void DrawEmptyText(int width, int height);
  [[nodiscard]] int IconIndex(int index) const;
  // Widths of texts in the canvas's present font.
  [[nodiscard]] TTextWidth Measure() const {
    return [&canvas = canvas_](std::wstring_view text) { return canvas.TextWidth(text); };
  }

  ICanvas& canvas_;
  TScale scale_;
  const TItemAreaLook& look_;
  const TSheetBuffer& sheet_;
  const ITextCodec& codec_;
  int selectedSlot_ = -1;
  std::span<const int> iconIndexes_;
  std::optional<TRect> dirty_;
  std::wstring_view emptyText_;
};
