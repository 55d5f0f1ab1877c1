#include <gtest/gtest.h>

#include <cstring>

#include "app/commands/ItemCommands.h"
#include "base/errors/Errors.h"
#include "tests/app/commands/SheetFixture.h"
#include "tests/app/shortcuts/RecordingShell.h"
#include "tests/support/FakeFormServices.h"

namespace {

const std::wstring kFullPath = L"C:\\ZELK\\Data\\満杯";

}  // namespace

TEST(ItemCommands, TextEntryShowsTheTargetFileNameThePromptAndThePresentValue) {
  TSheetBuffer sheet;
  TLauncherItem item = MakeItem(L"C:\\ソフト\\表.exe", 4, 0, L"表計算");
  EncodeField(item.Params, L"/x", Cp932Codec());
  AddItem(sheet, item);

  const auto display = ItemTextEntry(sheet, 4, TItemField::Display, Cp932Codec());
  ASSERT_TRUE(display.has_value());
  EXPECT_EQ(display->Caption, L"表.exe");
  EXPECT_EQ(display->Prompt, L"表示名を変更します。");
  EXPECT_EQ(display->Text, L"表計算");
  EXPECT_EQ(display->MaxBytes, 255u);
  const auto params = ItemTextEntry(sheet, 4, TItemField::Params, Cp932Codec());
  EXPECT_EQ(params->Prompt, L"パラメータを変更します。");
  EXPECT_EQ(params->Text, L"/x");
  EXPECT_EQ(params->MaxBytes, 99u);
  EXPECT_FALSE(ItemTextEntry(sheet, 5, TItemField::Display, Cp932Codec()).has_value())
      << "an empty cell has nothing to edit";
}

TEST(ItemCommands, TextTooLongOrNotRepresentableIsRefusedAndTheFieldKeepsItsValue) {
  TSheetBuffer sheet;
  AddItem(sheet, MakeItem(L"C:\\a.exe", 0, 0, L"旧名"));
  const Cp932Codec codec;

  StoreItemText(sheet, 0, TItemField::Params, std::wstring(99, L'p'), codec);
  EXPECT_THROW(StoreItemText(sheet, 0, TItemField::Params, std::wstring(100, L'q'), codec),
               EZelkError);
  EXPECT_EQ(DecodeField(sheet.Items[0].Params, codec), std::wstring(99, L'p'));

  EXPECT_THROW(StoreItemText(sheet, 0, TItemField::Display, std::wstring(256, L'x'), codec),
               EZelkError);
  try {
    CheckItemText(TItemField::Display, L"한국", codec);
    ADD_FAILURE() << "not refused";
  } catch (const EZelkError& error) {
    EXPECT_EQ(error.Message(),
              L"表示名には、このシステムの文字コードで保存できない文字が含まれています。")
        << "a short message naming the field, not the text";
  }
  EXPECT_THROW(StoreItemText(sheet, 0, TItemField::Display, L"한국", codec), EZelkError);
  for (const wchar_t* blank : {L"", L" \u3000"}) {
    try {
      StoreItemText(sheet, 0, TItemField::Display, blank, codec);
      ADD_FAILURE() << "an empty display name was taken";
    } catch (const EZelkError& error) {
      EXPECT_EQ(error.Message(), L"表示名を入力してください。");
    }
  }
  EXPECT_EQ(DecodeField(sheet.Items[0].Display, codec), L"旧名");
  StoreItemText(sheet, 0, TItemField::Display, std::wstring(255, L'x'), codec);
  EXPECT_EQ(DecodeField(sheet.Items[0].Display, codec), std::wstring(255, L'x'));
  StoreItemText(sheet, 0, TItemField::Params, L"", codec);
  EXPECT_EQ(sheet.Items[0].Params[0], '\0') << "empty parameters start without a command line";
}

TEST(ItemCommands, FolderCommandOpensTheFileManagerOnTheTargetsFolder) {
  TSheetBuffer sheet;
  AddItem(sheet, MakeItem(L"C:\\ソフト\\表.exe", 0));
  RecordingShell shell;
  OpenItemFolder(sheet, 0, Cp932Codec(), shell);
  OpenItemFolder(sheet, 1, Cp932Codec(), shell);  // empty cell
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0], (TShellCall{L"", L"Explorer", L"C:\\ソフト", L"", 5}));
}

TEST(ItemCommands, DeleteAsksWithTheFullTargetAndDeletingTheOnlyItemLeavesCountZero) {
  SheetFixture f;
  f.WriteSheet(L"一般", {MakeItem(L"C:\\ソフト\\表.exe", 0, 0, L"表")});
  f.current.Load(L"一般", f.options);
  FakeMessageBoxes boxes;

  boxes.answer = false;
  DeleteItemCommand(f.current, 0, boxes, f.options);
  EXPECT_EQ(f.ReadSheet(L"一般").Count, 1) << "Cancel deletes nothing";
  boxes.answer = true;
  DeleteItemCommand(f.current, 0, boxes, f.options);
  ASSERT_EQ(boxes.confirmations.size(), 2u);
  EXPECT_EQ(boxes.confirmations[1], L"「C:\\ソフト\\表.exe」を削除します。よろしいですか？");
  EXPECT_EQ(f.ReadSheet(L"一般").Count, 0);
  EXPECT_TRUE(f.icons.icons.empty());
}

TEST(ItemCommands, MoveToASheetWithoutFileCreatesItWithTheItemInSlotZeroKeepingCountAndGroup) {
  SheetFixture f;
  f.WriteSheet(L"一般",
               {GroupItem(L"C:\\a.exe", 3, L"一般", 7), GroupItem(L"C:\\b.exe", 5, L"一般")});
  f.current.Load(L"一般", f.options);

  MoveItemToSheet(f.current, f.files, 3, L"新しい", f.options);
  const TSheetBuffer moved = f.ReadSheet(L"新しい");
  ASSERT_EQ(moved.Count, 1);
  EXPECT_EQ(TargetOf(moved, 0), L"C:\\a.exe");
  EXPECT_EQ(moved.Items[0].Slot, 0);
  EXPECT_EQ(moved.Items[0].Count, 7);
  EXPECT_EQ(GroupOf(moved.Items[0]), L"一般");
  EXPECT_EQ(f.ReadSheet(L"一般").Count, 1);
  EXPECT_EQ(f.current.Buffer().Count, 1);
  EXPECT_EQ(TargetOf(f.current.Buffer(), 0), L"C:\\b.exe");
}

TEST(ItemCommands, MoveTakesTheSmallestFreeSlotOfTheDestination) {
  SheetFixture f;
  f.WriteSheet(L"一般", {MakeItem(L"C:\\a.exe", 0)});
  f.WriteSheet(L"画像", {MakeItem(L"C:\\x.exe", 0), MakeItem(L"C:\\y.exe", 2)});
  f.current.Load(L"一般", f.options);
  MoveItemToSheet(f.current, f.files, 0, L"画像", f.options);
  const TSheetBuffer destination = f.ReadSheet(L"画像");
  ASSERT_EQ(destination.Count, 3);
  EXPECT_EQ(destination.Items[2].Slot, 1);
}

TEST(ItemCommands, MoveIntoAFullSheetIsRefusedAndNothingIsLostOnEitherSheet) {
  SheetFixture f;
  std::vector<TLauncherItem> full;
  for (int i = 0; i < kItemLimit; ++i) full.push_back(MakeItem(L"C:\\f" + std::to_wstring(i), i));
  f.WriteSheet(L"満杯", full);
  f.WriteSheet(L"一般", {MakeItem(L"C:\\a.exe", 0)});
  const auto fullBytes = f.store.files.at(kFullPath);
  f.current.Load(L"一般", f.options);

  try {
    MoveItemToSheet(f.current, f.files, 0, L"満杯", f.options);
    FAIL() << "the move into a full sheet was not refused";
  } catch (const EZelkError& error) {
    EXPECT_EQ(error.Message(), L"これ以上登録できません。");
  }
  EXPECT_EQ(f.store.files.at(kFullPath), fullBytes);
  EXPECT_EQ(f.ReadSheet(L"一般").Count, 1);
  EXPECT_EQ(f.current.Buffer().Count, 1);
}

TEST(ItemCommands, MoveWhoseDestinationCannotBeWrittenKeepsTheItemOnTheCurrentSheet) {
  SheetFixture f;
  f.WriteSheet(L"一般", {MakeItem(L"C:\\a.exe", 0)});
  f.current.Load(L"一般", f.options);
  f.store.failWrites = true;
  EXPECT_THROW(MoveItemToSheet(f.current, f.files, 0, L"画像", f.options), EInOutError);
  EXPECT_EQ(f.current.Buffer().Count, 1);
  EXPECT_EQ(f.ReadSheet(L"一般").Count, 1);
}

TEST(ItemCommands, MoveOntoTheCurrentSheetNeitherDoublesNorLosesTheItem) {
  SheetFixture f;
  f.WriteSheet(L"一般",
               {MakeItem(L"C:\\a.exe", 0), MakeItem(L"C:\\b.exe", 1), MakeItem(L"C:\\c.exe", 3)});
  f.current.Load(L"一般", f.options);

  MoveItemToSheet(f.current, f.files, 3, L"一般", f.options);
  const TSheetBuffer saved = f.ReadSheet(L"一般");
  ASSERT_EQ(saved.Count, 3);
  EXPECT_EQ(saved.ItemAtSlot(2), 2) << "the lowest free slot";
  EXPECT_EQ(TargetOf(saved, 2), L"C:\\c.exe");
  EXPECT_EQ(f.current.Buffer().Count, 3);
  EXPECT_EQ(f.icons.icons.size(), 3u);
}
