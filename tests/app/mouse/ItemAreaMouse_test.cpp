#include <gtest/gtest.h>

#include "app/mouse/ItemAreaMouse.h"
#include "tests/support/Items.h"

using TRelease = TItemAreaMouse::TRelease;
using TMove = TItemAreaMouse::TMove;

TEST(ItemAreaMouse, SingleClickRunsOnReleaseWhenSingleClicksRun) {
  TItemAreaMouse mouse;
  mouse.Press(true, {1, 2});
  EXPECT_EQ(mouse.Release(false, true), TRelease::RaiseAndRun);
  EXPECT_EQ(mouse.Release(false, true), TRelease::Nothing);  // nothing pending any more
  mouse.Press(true, {1, 2});
  EXPECT_EQ(mouse.Release(false, false), TRelease::Raise);
}

TEST(ItemAreaMouse, MovingToAnotherCellBeginsADragAndTheReleaseRunsNothing) {
  TItemAreaMouse mouse;
  mouse.Press(true, {0, 0});
  EXPECT_EQ(mouse.Move({0, 0}), TMove::Nothing);
  EXPECT_EQ(mouse.Move({1, 0}), TMove::BeginDrag);
  EXPECT_EQ(mouse.Release(true, true), TRelease::Nothing);
}

TEST(ItemAreaMouse, DoubleClickRunsOnlyWhenDoubleClicksRunAndCancelsTheNextMove) {
  TItemAreaMouse mouse;
  EXPECT_FALSE(mouse.DoubleClick(true));
  EXPECT_TRUE(mouse.DoubleClick(false));
  // The double click's own press follows; its first move ends it without a drag.
  mouse.Press(true, {0, 0});
  EXPECT_EQ(mouse.Move({2, 0}), TMove::CancelPress);
  EXPECT_FALSE(mouse.Pressing());
  mouse.Press(true, {0, 0});
  EXPECT_EQ(mouse.Move({2, 0}), TMove::BeginDrag);  // the flag was consumed
}

TEST(ItemAreaMouse, RightPressStoresTheCellButSetsNoPress) {
  TItemAreaMouse mouse;
  mouse.Press(false, {2, 3});
  EXPECT_EQ(mouse.PressedCell(), (TPoint{2, 3}));
  EXPECT_EQ(mouse.Release(false, true), TRelease::Nothing);
  EXPECT_EQ(SlotOfCell({2, 3}, 3, 15), 56);
  EXPECT_EQ(CellAt({170, 50}, 82, 36), (TPoint{2, 1}));
}

TEST(ItemAreaDrop, DragOntoAnItemExchangesAndOntoAnEmptyCellAsksWhenPacking) {
  TSheetBuffer sheet;
  AddItem(sheet, MakeItem(L"C:\\a.exe", 0));
  AddItem(sheet, MakeItem(L"C:\\b.exe", 1));
  EXPECT_FALSE(PlanDrop(sheet, 0, 0, true).move);  // own cell: nothing, no save
  EXPECT_FALSE(PlanDrop(sheet, 5, 0, true).move);  // from an empty cell
  const TDropPlan ontoItem = PlanDrop(sheet, 0, 1, true);
  EXPECT_TRUE(ontoItem.move);
  EXPECT_FALSE(ontoItem.askPacking);
  EXPECT_TRUE(PlanDrop(sheet, 0, 7, true).askPacking);
  EXPECT_FALSE(PlanDrop(sheet, 0, 7, false).askPacking);

  ExchangeSlots(sheet, 0, 1);
  EXPECT_EQ(sheet.Items[0].Slot, 1);
  EXPECT_EQ(sheet.Items[1].Slot, 0);
  ExchangeSlots(sheet, 0, 7);
  EXPECT_EQ(sheet.Items[1].Slot, 7);
  EXPECT_EQ(sheet.Items[0].Slot, 1);
}

TEST(ItemHint, GoesWhenTheCursorLeavesOrFromTheSecondTickRestsOnAnotherItem) {
  THintWatch watch{.hoveredItem = 3};
  EXPECT_TRUE(watch.Tick({-1, 5}, 100, 100, 3));
  watch = {.hoveredItem = 3};
  EXPECT_FALSE(watch.Tick({5, 5}, 100, 100, 4));  // first tick: not yet
  EXPECT_TRUE(watch.Tick({5, 5}, 100, 100, 4));
  watch = {.hoveredItem = 3};
  EXPECT_FALSE(watch.Tick({5, 5}, 100, 100, 3));
  EXPECT_FALSE(watch.Tick({100, 100}, 100, 100, 3));
}
