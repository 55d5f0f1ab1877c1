#pragma once
// The keys that move the selection frame over the cells of the item area.

enum class TNavigationKey { Left, Right, Up, Down, Home, End, PageUp, PageDown };

// The slot the selection moves to over the cells 0 ... lastSlot of a grid
// of colum columns, a page being pageRows rows. Without a selection (-1)
// any key selects the first cell. Up and Down keep the column and stop at
// the first and last rows; Down onto a shorter last row takes its last cell.
[[nodiscard]] int NavigatedSlot(int selected, TNavigationKey key, int colum, int pageRows,
                                int lastSlot);
