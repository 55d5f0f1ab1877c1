#include "app/keys/CellNavigation.h"

#include <algorithm>

namespace {

// Rows up (negative) or down, in the same column.
int RowsMoved(int selected, int rows, int colum, int lastSlot) {
  const int lastRow = lastSlot / colum;
  const int row = std::clamp(selected / colum + rows, 0, lastRow);
  return std::min(row * colum + selected % colum, lastSlot);
}

}  // namespace

int NavigatedSlot(int selected, TNavigationKey key, int colum, int pageRows, int lastSlot) {
  if (selected < 0 || colum <= 0) return 0;
  lastSlot = std::max(lastSlot, 0);
  selected = std::min(selected, lastSlot);  // the cell may have gone since
  const int page = std::max(pageRows, 1);
  switch (key) {
    case TNavigationKey::Left:
      return std::max(selected - 1, 0);
    case TNavigationKey::Right:
      return std::min(selected + 1, lastSlot);
    case TNavigationKey::Up:
      return RowsMoved(selected, -1, colum, lastSlot);
    case TNavigationKey::Down:
      return RowsMoved(selected, 1, colum, lastSlot);
    case TNavigationKey::Home:
      return 0;
    case TNavigationKey::End:
      return lastSlot;
    case TNavigationKey::PageUp:
      return RowsMoved(selected, -page, colum, lastSlot);
    case TNavigationKey::PageDown:
      return RowsMoved(selected, page, colum, lastSlot);
  }
  return selected;
}
