#include <gtest/gtest.h>

#include "app/find/ItemFind.h"
#include "tests/support/Items.h"

namespace {

TLauncherItem Named(std::wstring_view display, std::wstring_view target, std::int32_t slot,
                    std::int32_t count = 0) {
  return MakeItem(target, slot, count, display);
}

TSheetBuffer SheetOf(std::initializer_list<TLauncherItem> items) {
  TSheetBuffer sheet;
  for (const auto& item : items) AddItem(sheet, item);
  return sheet;
}

std::vector<std::wstring> FoundNames(const TItemFind& find) {
  std::vector<std::wstring> names;
  for (int i = 0; i < find.Found().Count; ++i) {
    EXPECT_EQ(find.Found().Items[static_cast<std::size_t>(i)].Slot, i);
    names.push_back(
        DecodeField(find.Found().Items[static_cast<std::size_t>(i)].Display, Cp932Codec()));
  }
  return names;
}

using Names = std::vector<std::wstring>;

}  // namespace

TEST(ItemFind, NameOrTargetFileNameMatchesWithCaseWidthAndKanaFolded) {
  const Cp932Codec codec;
  TItemFind find(codec);
  find.AddSheet(0,
                SheetOf({Named(L"メモ帳", L"C:\\Windows\\notepad.exe", 0),
                         Named(L"ﾍﾟｲﾝﾄ", L"C:\\Windows\\mspaint.exe", 1),
                         Named(L"Word", L"C:\\Office\\WINWORD.EXE", 2),
                         Named(L"ソフト表", L"C:\\ソフト\\表.exe", 3)}),
                0);
  const struct {
    std::wstring typed;
    Names found;
  } cases[] = {
      {L"ﾒﾓ", {L"メモ帳"}},
      {L"めも", {L"メモ帳"}},
      {L"メモ", {L"メモ帳"}},
      {L"NOTE", {L"メモ帳"}},     // the target's file name
      {L"ぺいんと", {L"ﾍﾟｲﾝﾄ"}},  // half-width with the voiced mark
      {L"ｗｏｒｄ", {L"Word"}},   // full-width letters
      {L"表", {L"ソフト表"}},
      {L"exe", {L"メモ帳", L"ﾍﾟｲﾝﾄ", L"Word", L"ソフト表"}},
      {L"Windows", {}},  // folders of the target are not names
      {L"", {L"メモ帳", L"ﾍﾟｲﾝﾄ", L"Word", L"ソフト表"}},
  };
  for (const auto& c : cases) {
    find.Filter(c.typed);
    EXPECT_EQ(FoundNames(find), c.found) << "typed: " << c.typed.size() << " characters";
  }
}

TEST(ItemFind, CurrentSheetComesFirstAndEachSheetIsOrderedAsTheSortModeOrders) {
  const TSheetBuffer current =
      SheetOf({Named(L"a late", L"x", 5, 9), Named(L"a early", L"x", 1, 1)});
  const TSheetBuffer other = SheetOf({Named(L"a few", L"x", 0, 2), Named(L"a many", L"x", 3, 7)});
  const Cp932Codec codec;
  for (const auto& [sortMode, order] :
       {std::pair{0, Names{L"a early", L"a late", L"a few", L"a many"}},
        std::pair{2, Names{L"a early", L"a late", L"a few", L"a many"}},
        std::pair{1, Names{L"a late", L"a early", L"a many", L"a few"}}}) {
    TItemFind find(codec, {L"一般", L"OFFICE", L"画像", L"通信"});
    find.AddSheet(3, current, sortMode);
    find.AddSheet(0, other, sortMode);
    find.Filter(L"a");
    EXPECT_EQ(FoundNames(find), order) << "SORTMODE " << sortMode;
    EXPECT_EQ(find.FoundAt(0).Sheet, 3);
    EXPECT_EQ(find.FoundAt(3).Sheet, 0);
    EXPECT_EQ(find.FoundHint(3), order[3] + L"\n「一般」シート");  // the hint names the sheet
  }
}

TEST(ItemFind, AtMostASheetsWorthIsListedAndTheItemIsFoundAgainOnItsSheet) {
  TSheetBuffer full;
  for (int i = 0; i < kItemLimit; ++i) AddItem(full, Named(L"n" + std::to_wstring(i), L"t", i));
  const Cp932Codec codec;
  TItemFind find(codec);
  find.AddSheet(0, full, 0);
  find.AddSheet(1, full, 0);
  find.Filter(L"n");
  EXPECT_EQ(find.Found().Count, kItemLimit);

  TSheetBuffer moved = SheetOf({Named(L"other", L"t", 0), Named(L"n7", L"t", 9)});
  EXPECT_EQ(SlotOfSameItem(moved, find.FoundAt(7).Item), 9);
  EXPECT_EQ(SlotOfSameItem(moved, find.FoundAt(8).Item), -1);
}
