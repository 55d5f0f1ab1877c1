#pragma once
// The scroll bar of the item area: its range reaches every occupied row, and
// never less far than row 15, so nothing that could be scrolled to before
// becomes unreachable; its thumb shows the rows that fit in the area.

#include "app/sheets/SheetBuffer.h"

struct TItemAreaScroll {
  int Maximum = 0;  // the last scroll position, in rows
  int Page = 1;     // the rows the area shows; also the large change
  bool operator==(const TItemAreaScroll&) const = default;
};

[[nodiscard]] TItemAreaScroll ItemAreaScroll(const TSheetBuffer& sheet, int colum, int areaHeight,
                                             int cellHeight);

// The rows one notch of the mouse wheel scrolls (the system's setting).
// A wheel delta of +120 per notch scrolls up.
[[nodiscard]] int WheelScrollPosition(int position, int wheelDelta, int rowsPerNotch,
                                      const TItemAreaScroll& scroll);
