#include <gtest/gtest.h>

#include "app/keys/CellNavigation.h"

namespace {

using enum TNavigationKey;

}  // namespace

// Three columns, pages of two rows, cells 0 ... 10 (the last row holds 9 and 10).
TEST(CellNavigation, KeysMoveWithinTheCellsAndStopAtTheirEdges) {
  const struct {
    int from;
    TNavigationKey key;
    int to;
  } cases[] = {
      {-1, Down, 0},   {-1, End, 0},     {4, Left, 3},      {0, Left, 0},  {4, Right, 5},
      {10, Right, 10}, {4, Up, 1},       {1, Up, 1},        {4, Down, 7},  {8, Down, 10},
      {7, Down, 10},   {9, Down, 9},     {7, Home, 0},      {1, End, 10},  {8, PageUp, 2},
      {4, PageUp, 1},  {1, PageDown, 7}, {5, PageDown, 10}, {20, Left, 9},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NavigatedSlot(c.from, c.key, 3, 2, 10), c.to)
        << "from " << c.from << " key " << static_cast<int>(c.key);
  }
}
