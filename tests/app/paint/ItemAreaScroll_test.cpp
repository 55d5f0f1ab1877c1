#include <gtest/gtest.h>

#include "app/paint/ItemAreaScroll.h"
#include "tests/support/Items.h"

namespace {

TSheetBuffer SheetWithSlots(std::initializer_list<int> slots) {
  TSheetBuffer sheet;
  for (int slot : slots) AddItem(sheet, MakeItem(L"C:\\a.exe", slot));
  return sheet;
}

}  // namespace

TEST(ItemAreaScroll, RangeReachesTheLastOccupiedRowButNeverLessThanRow15) {
  // 3 columns, 36-pixel cells, an area of 180 pixels: 5 visible rows.
  EXPECT_EQ(ItemAreaScroll(SheetWithSlots({}), 3, 180, 36), (TItemAreaScroll{15, 5}));
  EXPECT_EQ(ItemAreaScroll(SheetWithSlots({0, 59}), 3, 180, 36), (TItemAreaScroll{15, 5}));  // row 19
  // Slot 399 lies in row 133: at position 129 it is the bottom row.
  EXPECT_EQ(ItemAreaScroll(SheetWithSlots({0, 399}), 3, 180, 36), (TItemAreaScroll{129, 5}));
  // One column: slot 400 is row 400.
  EXPECT_EQ(ItemAreaScroll(SheetWithSlots({400}), 1, 180, 36).Maximum, 396);
}

TEST(ItemAreaScroll, DamagedSlotsAndDegenerateSizesStayInTheGrid) {
  EXPECT_EQ(ItemAreaScroll(SheetWithSlots({2147483647}), 1, 36, 36).Maximum, 400);
  EXPECT_EQ(ItemAreaScroll(SheetWithSlots({-1}), 3, 180, 36).Maximum, 15);
  EXPECT_EQ(ItemAreaScroll(SheetWithSlots({399}), 0, 180, 0), (TItemAreaScroll{15, 1}));
}

TEST(ItemAreaScroll, WheelScrollsByRowsPerNotchWithinTheRange) {
  const TItemAreaScroll scroll{20, 5};
  EXPECT_EQ(WheelScrollPosition(10, -120, 3, scroll), 13);  // one notch down
  EXPECT_EQ(WheelScrollPosition(10, 240, 3, scroll), 4);    // two notches up
  EXPECT_EQ(WheelScrollPosition(1, 120, 3, scroll), 0);
  EXPECT_EQ(WheelScrollPosition(19, -360, 3, scroll), 20);
}
