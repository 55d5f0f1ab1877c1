#include "app/paint/ItemAreaScroll.h"

#include <algorithm>

#include "app/paint/ItemArea.h"

TItemAreaScroll ItemAreaScroll(const TSheetBuffer& sheet, int colum, int areaHeight,
                               int cellHeight) {
  const int page = cellHeight > 0 ? std::max(1, areaHeight / cellHeight) : 1;
  int lastRow = -1;
  if (colum > 0) {
    for (int index = 0; index < sheet.Count && index < kItemLimit; ++index) {
      const int slot = sheet.Items[static_cast<std::size_t>(index)].Slot;
      // A slot past the grid (a damaged file) reaches no further than the grid.
      if (slot >= 0) lastRow = std::max(lastRow, std::min(slot, kSlotCount - 1) / colum);
    }
  }
  // The last row stands at the bottom of the area at the last position.
  return {std::max(kLeastLastScrollPosition, lastRow - page + 1), page};
}

int WheelScrollPosition(int position, int wheelDelta, int rowsPerNotch,
                        const TItemAreaScroll& scroll) {
  const int rows = wheelDelta * rowsPerNotch / 120;
  return std::clamp(position - rows, 0, scroll.Maximum);
}
