#include <gtest/gtest.h>

#include "app/launch/Registration.h"
#include "app/launch/RunItem.h"
#include "tests/support/FakeIconList.h"
#include "tests/support/Items.h"
#include "tests/support/MemorySheet.h"

namespace {

struct Sheet : MemorySheet {
  Sheet() { current.Load(L"一般", {}); }
  TSheetBuffer& Buffer() { return current.Buffer(); }
  std::int32_t SlotOf(std::wstring_view target) {
    for (int i = 0; i < Buffer().Count; ++i) {
      if (TargetOf(Buffer(), i) == target) return Buffer().Items[static_cast<std::size_t>(i)].Slot;
    }
    return -99;
  }
};

class FakeShortcuts : public IShortcutResolver {
 public:
  std::map<std::wstring, std::wstring> targets;
  TShortcutInfo ResolveShortcut(const std::wstring& shortcut) override {
    const auto found = targets.find(shortcut);
    return {found == targets.end() ? L"" : found->second, L"", L""};
  }
};

constexpr TArrangeOptions kLastUse{.SORTMODE = 0, .AUTOSORT = false};

}  // namespace

TEST(MoveToFront, StartedItemTakesSlotZeroAndTheOthersMoveUpBehindIt) {
  Sheet s;
  AddItem(s.Buffer(), MakeItem(L"A", 0));
  AddItem(s.Buffer(), MakeItem(L"B", 2));
  AddItem(s.Buffer(), MakeItem(L"X", 5));
  MoveToFront(s.Buffer(), 2, 0);
  EXPECT_EQ(s.SlotOf(L"X"), 0);
  EXPECT_EQ(s.SlotOf(L"A"), 2);
  EXPECT_EQ(s.SlotOf(L"B"), 5);
}

TEST(MoveToFront, AnEmptySlotZeroLeavesAHoleAndTheFirstRecordStays) {
  Sheet s;
  AddItem(s.Buffer(), MakeItem(L"A", 1));
  AddItem(s.Buffer(), MakeItem(L"X", 3));
  MoveToFront(s.Buffer(), 1, 0);
  EXPECT_EQ(s.SlotOf(L"X"), 0);
  EXPECT_EQ(s.SlotOf(L"A"), 3);
  MoveToFront(s.Buffer(), 0, 0);  // record 0 of the buffer
  EXPECT_EQ(s.SlotOf(L"A"), 3);
  MoveToFront(s.Buffer(), 1, 2);  // no ordering
  EXPECT_EQ(s.SlotOf(L"X"), 0);
}

TEST(RunItem, TakesTheValuesBeforeTheOrderChangesCountsAndSaves) {
  Sheet s;
  AddItem(s.Buffer(), MakeItem(L"C:\\a.exe", 0, 5));
  TLauncherItem folder = MakeItem(L"C:\\Tools\\Ver1.5", 1, 1);
  EncodeField(folder.Params, L"-x 1", s.codec);
  AddItem(s.Buffer(), folder);

  const auto start = RunItem(s.current, 1, {.SORTMODE = 1, .AUTOSORT = true});
  ASSERT_TRUE(start.has_value());
  EXPECT_EQ(*start, (TShellStart{L"C:\\Tools\\Ver1.5", L"-x 1", L"C:\\Tools\\"}));
  EXPECT_EQ(s.Buffer().Items[1].Count, 2);  // sorted by count: still behind 5
  ASSERT_TRUE(s.store.files.count(L"C:\\ZELK\\Data\\一般"));
  EXPECT_FALSE(RunItem(s.current, 7, kLastUse).has_value());
}

TEST(RunItem, ByLastUseTheStartedItemMovesToTheFirstCell) {
  Sheet s;
  AddItem(s.Buffer(), MakeItem(L"A", 0));
  AddItem(s.Buffer(), MakeItem(L"X", 1));
  ASSERT_TRUE(RunItem(s.current, 1, kLastUse).has_value());
  EXPECT_EQ(s.SlotOf(L"X"), 0);
  EXPECT_EQ(s.SlotOf(L"A"), 1);
}

TEST(Registration, DroppedFilesTakeFreeSlotsWithTheirNamesAndAShortcutItsTarget) {
  Sheet s;
  AddItem(s.Buffer(), MakeItem(L"C:\\old.exe", 1));
  s.Buffer().Items[1] = MakeItem(L"C:\\stale.exe", 9);
  EncodeField(s.Buffer().Items[1].Params, L"-stale", s.codec);
  FakeShortcuts shortcuts;
  shortcuts.targets[L"C:\\Desk\\Notepad.lnk"] = L"C:\\WINDOWS\\notepad.exe";
  shortcuts.targets[L"C:\\Desk\\Office.LNK"] = L"C:\\WINDOWS\\Installer\\{1}\\word.exe";

  const auto result = DropFilesOnSheet(
      s.current, {L"C:\\Tools\\Editor.exe", L"C:\\Desk\\Notepad.lnk", L"C:\\Desk\\Office.LNK",
                  L"C:\\x\\archive.tar.gz", L"C:\\x\\Ver1.5", L"C:\\x\\.profile"},
      shortcuts, L"C:\\WINDOWS", {.SORTMODE = 2, .AUTOSORT = false});
  EXPECT_EQ(result.Registered, 6);
  EXPECT_FALSE(result.SheetFull);
  ASSERT_EQ(s.Buffer().Count, 7);
  const auto display = [&](int i) { return DecodeField(s.Buffer().Items[static_cast<std::size_t>(i)].Display, s.codec); };
  EXPECT_EQ(TargetOf(s.Buffer(), 1), L"C:\\Tools\\Editor.exe");
  EXPECT_EQ(display(1), L"Editor");
  EXPECT_EQ(s.Buffer().Items[1].Slot, 0);  // the lowest free slot
  EXPECT_EQ(s.Buffer().Items[1].Params[0], '\0');  // nothing of the stale record
  EXPECT_EQ(DecodeField(s.Buffer().Items[1].Group, s.codec), L"一般");
  EXPECT_EQ(TargetOf(s.Buffer(), 2), L"C:\\WINDOWS\\notepad.exe");
  EXPECT_EQ(display(2), L"Notepad");
  EXPECT_EQ(TargetOf(s.Buffer(), 3), L"C:\\Desk\\Office.LNK");
  EXPECT_EQ(display(4), L"archive.tar");
  EXPECT_EQ(display(5), L"Ver1");
  EXPECT_EQ(display(6), L"");
  EXPECT_EQ(s.icons.icons.size(), 6u);
}

TEST(Registration, TenFilesOnto395ItemsRegisterFiveAndSayTheSheetIsFull) {
  Sheet s;
  for (int i = 0; i < 395; ++i) AddItem(s.Buffer(), MakeItem(L"C:\\i.exe", i));
  std::vector<std::wstring> ten;
  for (int i = 0; i < 10; ++i) ten.push_back(L"C:\\new" + std::to_wstring(i) + L".exe");
  FakeShortcuts shortcuts;
  const auto result = DropFilesOnSheet(s.current, ten, shortcuts, L"C:\\WINDOWS", {});
  EXPECT_EQ(result.Registered, 5);
  EXPECT_TRUE(result.SheetFull);
  EXPECT_EQ(s.Buffer().Count, 400);
  EXPECT_EQ(SheetFullMessage(10, 5), L"これ以上登録できません。\n10 個のファイルのうち 5 個を登録しました。"
                                     L"残りの 5 個は登録していません。");
  EXPECT_EQ(SheetFullMessage(5, 5), L"これ以上登録できません。\n5 個のファイルを登録しました。")
      << "the last file filled the sheet";
}

TEST(Registration, PathsTheRecordCannotHoldOrWithoutIconAreRefusedAndNamed) {
  Sheet s;
  FakeShortcuts shortcuts;
  s.icons.missing = {L"C:\\noicon.exe"};
  const std::wstring tooLong = L"C:\\" + std::wstring(300, L'a') + L".exe";
  const auto result = DropFilesOnSheet(
      s.current, {tooLong, L"C:\\한국.exe", L"C:\\noicon.exe", L"C:\\broken.lnk", L"C:\\ok.exe"},
      shortcuts, L"C:\\WINDOWS", {});
  EXPECT_EQ(result.Registered, 1);
  ASSERT_EQ(result.Refused.size(), 4u);
  EXPECT_EQ(s.Buffer().Count, 1);
  EXPECT_EQ(s.icons.icons.size(), 1u);  // icons stay parallel to the records
  const std::wstring message = RefusedFilesMessage(result.Refused);
  EXPECT_NE(message.find(L"C:\\noicon.exe"), std::wstring::npos);
  EXPECT_NE(message.find(L"C:\\broken.lnk"), std::wstring::npos);
  EXPECT_EQ(result.Refused[0], tooLong + L"（パスは長すぎます。255 バイトまでにしてください。）")
      << "the long path is named once";
  EXPECT_EQ(RefusedFilesMessage({}), L"");
}
