#include <gtest/gtest.h>

#include "app/sheets/SheetBuffer.h"
#include "tests/support/FakeIconList.h"
#include "tests/support/Items.h"

namespace {

struct Arranged {
  TSheetBuffer sheet;
  FakeIconList icons;
  Cp932Codec codec;
};

std::vector<std::int32_t> Slots(const TSheetBuffer& sheet) {
  std::vector<std::int32_t> slots;
  for (int i = 0; i < sheet.Count; ++i) slots.push_back(sheet.Items[static_cast<std::size_t>(i)].Slot);
  return slots;
}

std::int32_t SlotOf(const TSheetBuffer& sheet, std::wstring_view target) {
  for (int i = 0; i < sheet.Count; ++i) {
    if (TargetOf(sheet, i) == target) return sheet.Items[static_cast<std::size_t>(i)].Slot;
  }
  return -99;
}

}  // namespace

TEST(ArrangeItems, FrequencySortKeepsTheOccupiedCellsAndGivesTheFirstToTheMostUsed) {
  Arranged a;
  AddItem(a.sheet, MakeItem(L"C:\\two.exe", 0, 2));
  AddItem(a.sheet, MakeItem(L"C:\\nine.exe", 1, 9));
  AddItem(a.sheet, MakeItem(L"C:\\four.exe", 5, 4));

  ArrangeItems(a.sheet, a.icons, a.codec, {.SORTMODE = 1, .AUTOSORT = false});
  EXPECT_EQ(SlotOf(a.sheet, L"C:\\nine.exe"), 0);
  EXPECT_EQ(SlotOf(a.sheet, L"C:\\four.exe"), 1);
  EXPECT_EQ(SlotOf(a.sheet, L"C:\\two.exe"), 5);
  // Records now in count order, and the icon list rebuilt in that order.
  EXPECT_EQ(a.icons.icons, (std::vector<std::wstring>{L"C:\\nine.exe", L"C:\\four.exe", L"C:\\two.exe"}));

  ArrangeItems(a.sheet, a.icons, a.codec, {.SORTMODE = 1, .AUTOSORT = true});
  EXPECT_EQ(SlotOf(a.sheet, L"C:\\two.exe"), 2);
}

TEST(ArrangeItems, FrequencySortKeepsItemsWhoseTargetIsAwayWithTheNotFoundIcon) {
  Arranged a;
  AddItem(a.sheet, MakeItem(L"C:\\a.exe", 0, 1));
  AddItem(a.sheet, MakeItem(L"E:\\usbtool\\tool.exe", 1, 5));
  AddItem(a.sheet, MakeItem(L"C:\\b.exe", 2, 3));
  a.icons.missing = {L"E:\\usbtool\\tool.exe"};
  ArrangeItems(a.sheet, a.icons, a.codec, {.SORTMODE = 1, .AUTOSORT = false});
  ASSERT_EQ(a.sheet.Count, 3);
  EXPECT_EQ(TargetOf(a.sheet, 0), L"E:\\usbtool\\tool.exe");
  EXPECT_EQ(a.icons.icons,
            (std::vector<std::wstring>{FakeIconList::kPlaceholder, L"C:\\b.exe", L"C:\\a.exe"}));
}

TEST(ArrangeItems, PackingClosesHolesAndKeepsTheGridOrder) {
  Arranged a;
  AddItem(a.sheet, MakeItem(L"C:\\c.exe", 9));
  AddItem(a.sheet, MakeItem(L"C:\\a.exe", 2));
  AddItem(a.sheet, MakeItem(L"C:\\b.exe", 4));
  ArrangeItems(a.sheet, a.icons, a.codec, {.SORTMODE = 2, .AUTOSORT = true});
  EXPECT_EQ(Slots(a.sheet), (std::vector<std::int32_t>{2, 0, 1}));
  EXPECT_EQ(a.icons.clears, 0);  // no sort by count, no icon rebuild

  ArrangeItems(a.sheet, a.icons, a.codec, {.SORTMODE = 0, .AUTOSORT = false});
  EXPECT_EQ(Slots(a.sheet), (std::vector<std::int32_t>{2, 0, 1}));
}

TEST(ArrangeItems, DamagedSlotsOutsideTheGridOrSharedStillEndUpDistinct) {
  Arranged a;
  AddItem(a.sheet, MakeItem(L"C:\\a.exe", 7000, 1));
  AddItem(a.sheet, MakeItem(L"C:\\b.exe", 3, 2));
  AddItem(a.sheet, MakeItem(L"C:\\c.exe", 3, 3));
  ArrangeItems(a.sheet, a.icons, a.codec, {.SORTMODE = 1, .AUTOSORT = false});
  auto slots = Slots(a.sheet);
  std::sort(slots.begin(), slots.end());
  EXPECT_EQ(slots, (std::vector<std::int32_t>{0, 1, 3}));
}

TEST(SheetBuffer, NewItemTakesTheHoleLeftByADeletion) {
  Arranged a;
  AddItem(a.sheet, MakeItem(L"C:\\a.exe", 0));
  AddItem(a.sheet, MakeItem(L"C:\\b.exe", 1));
  AddItem(a.sheet, MakeItem(L"C:\\c.exe", 2));
  EXPECT_EQ(a.sheet.FreeSlot(), 3);
  a.icons.icons = {L"C:\\a.exe", L"C:\\b.exe", L"C:\\c.exe"};

  DeleteItem(a.sheet, 1, a.icons, a.codec, {.SORTMODE = 2, .AUTOSORT = false});
  EXPECT_EQ(a.sheet.Count, 2);
  EXPECT_EQ(a.icons.icons, (std::vector<std::wstring>{L"C:\\a.exe", L"C:\\c.exe"}));
  EXPECT_EQ(a.sheet.ItemAtSlot(1), -1);
  EXPECT_EQ(a.sheet.ItemAtSlot(2), 1);
  EXPECT_EQ(a.sheet.FreeSlot(), 1);
}

TEST(SheetBuffer, FreeSlotFromACellIsTheFirstFreeFromThereOrElseTheSmallest) {
  TSheetBuffer sheet;
  for (const int slot : {0, 4, 5, 400}) AddItem(sheet, MakeItem(L"C:\\x.exe", slot));
  EXPECT_EQ(sheet.FreeSlot(4), 6);
  EXPECT_EQ(sheet.FreeSlot(2), 2);
  EXPECT_EQ(sheet.FreeSlot(400), 1);
  EXPECT_EQ(sheet.FreeSlot(450), 1);  // a cell beyond the last slot
}

TEST(SheetBuffer, FreeSlotOfAFullSheetIsTheLastNumber) {
  TSheetBuffer sheet;
  for (int i = 0; i < kItemLimit; ++i) AddItem(sheet, MakeItem(L"C:\\x.exe", i));
  EXPECT_EQ(sheet.FreeSlot(), 400);
}

TEST(SheetBuffer, RemovalStepEmptiesTheLastRecordButKeepsItsParamsAndSlot) {
  TSheetBuffer sheet;
  AddItem(sheet, MakeItem(L"C:\\a.exe", 0, 4, L"a"));
  TLauncherItem last = MakeItem(L"C:\\b.exe", 1, 5, L"b");
  EncodeField(last.Params, L"-x", Cp932Codec());
  EncodeField(last.Group, L"一般", Cp932Codec());
  AddItem(sheet, last);

  sheet.RemoveAt(0);
  ASSERT_EQ(sheet.Count, 1);
  EXPECT_EQ(TargetOf(sheet, 0), L"C:\\b.exe");
  const TLauncherItem& stale = sheet.Items[1];
  EXPECT_EQ(stale.Target[0], '\0');
  EXPECT_EQ(stale.Display[0], '\0');
  EXPECT_EQ(stale.Group[0], '\0');
  EXPECT_EQ(stale.Count, 0);
  EXPECT_EQ(std::string(stale.Params), "-x");
  EXPECT_EQ(stale.Slot, 1);
}

TEST(SheetBuffer, ItemAtSlotLooksOnlyAtValidRecords) {
  TSheetBuffer sheet;
  AddItem(sheet, MakeItem(L"C:\\a.exe", 4));
  sheet.Items[1] = MakeItem(L"C:\\stale.exe", 7);
  EXPECT_EQ(sheet.ItemAtSlot(4), 0);
  EXPECT_EQ(sheet.ItemAtSlot(7), -1);
  sheet.Clear();
  EXPECT_EQ(sheet.Count, 0);
  EXPECT_EQ(sheet.Items[0].Slot, -1);
  EXPECT_EQ(sheet.Items[0].Target[0], '\0');
}
