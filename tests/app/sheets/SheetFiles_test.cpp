#include <gtest/gtest.h>

#include <cstring>

#include "base/errors/Errors.h"
#include "app/sheets/CurrentSheet.h"
#include "app/sheets/DataIni.h"
#include "app/sheets/SheetNames.h"
#include "tests/support/FakeIconList.h"
#include "tests/support/FakeProfile.h"
#include "tests/support/Items.h"
#include "tests/support/MemorySheet.h"

namespace {

const std::wstring kProgramFolder = L"C:\\ZELK";
const std::wstring kSheetPath = L"C:\\ZELK\\Data\\一般";

std::vector<std::uint8_t> FileWithCount(std::int32_t count, std::size_t size = kSheetFileSize) {
  std::vector<std::uint8_t> bytes(size, 0xAB);
  if (size >= 4) std::memcpy(bytes.data(), &count, 4);
  return bytes;
}

using Sheets = MemorySheet;

}  // namespace

TEST(SheetFiles, ThreeValidRecordsAndStaleOnesLoadExactlyThreeItems) {
  Sheets s;
  TSheetBuffer written;
  for (int i = 0; i < 5; ++i) AddItem(written, MakeItem(L"C:\\item" + std::to_wstring(i) + L".exe", i));
  written.Count = 3;
  s.store.files[kSheetPath] = SheetFileBytes(written);

  s.current.Load(L"一般", {.SORTMODE = 2, .AUTOSORT = true});
  EXPECT_EQ(s.current.Buffer().Count, 3);
  EXPECT_EQ(s.icons.icons.size(), 3u);
  EXPECT_EQ(s.current.Buffer().ItemAtSlot(3), -1);
}

TEST(SheetFiles, SaveWritesCountAndAllFourHundredRecordsAsTheyStand) {
  Sheets s;
  AddItem(s.current.Buffer(), MakeItem(L"C:\\表.exe", 0, 3, L"表"));
  s.current.Buffer().Items[1] = MakeItem(L"C:\\stale.exe", 1);
  s.current.Load(L"一般", {});  // no file yet: an empty sheet
  EXPECT_EQ(s.current.Buffer().Count, 0);
  AddItem(s.current.Buffer(), MakeItem(L"C:\\表.exe", 0, 3, L"表"));
  s.current.Save();

  const auto& bytes = s.store.files.at(kSheetPath);
  ASSERT_EQ(bytes.size(), 288004u);
  EXPECT_EQ(bytes[0], 1);
  EXPECT_EQ(std::memcmp(bytes.data() + 4, &s.current.Buffer().Items[0], 720), 0);
  EXPECT_EQ(std::memcmp(bytes.data() + 4 + 720, &s.current.Buffer().Items[1], 720), 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()) + 4 + 720), "C:\\stale.exe");
}

TEST(SheetFiles, ItemsWhoseTargetIsAwayLoadWithTheNotFoundIconAndAreSavedAgain) {
  Sheets s;
  TSheetBuffer written;
  for (const wchar_t* target : {L"C:\\kept.exe", L"E:\\usbtool\\tool.exe", L"\\\\nas\\share\\a.exe",
                                L"\\\\?\\C:\\long\\b.exe", L"tools\\relative.exe"}) {
    AddItem(written, MakeItem(target, written.Count));
    if (written.Count > 1) s.icons.missing.insert(target);
  }
  s.store.files[kSheetPath] = SheetFileBytes(written);

  s.current.Load(L"一般", {.SORTMODE = 2, .AUTOSORT = false});
  EXPECT_EQ(s.current.Buffer().Count, 5);
  std::vector<std::wstring> icons(5, FakeIconList::kPlaceholder);
  icons[0] = L"C:\\kept.exe";
  EXPECT_EQ(s.icons.icons, icons);
  s.current.Save();
  EXPECT_EQ(s.store.files.at(kSheetPath), SheetFileBytes(written));
}

TEST(SheetFiles, DamagedFileIsReportedLeftEmptyAndKeptAsideForEveryLaterSave) {
  for (const auto& damaged : {FileWithCount(401), FileWithCount(-1), FileWithCount(2, 1000),
                              FileWithCount(0, 2), FileWithCount(2, kSheetFileSize + 1)}) {
    Sheets s;
    AddItem(s.current.Buffer(), MakeItem(L"C:\\previous.exe", 0));
    s.store.files[kSheetPath] = damaged;
    s.store.files[kSheetPath + L".damaged"] = {1, 2, 3};  // an older backup stays too

    try {
      s.current.Load(L"一般", {});
      FAIL() << "a damaged file must be reported";
    } catch (const ESheetDamaged& error) {
      EXPECT_NE(error.Message().find(L"一般"), std::wstring::npos);
      EXPECT_NE(error.Message().find(kSheetPath + L".damaged2"), std::wstring::npos);
    }
    EXPECT_EQ(s.current.Buffer().Count, 0);
    EXPECT_EQ(s.current.Name(), L"一般");
    EXPECT_TRUE(s.icons.icons.empty());

    s.current.Save();
    EXPECT_EQ(s.store.files.at(kSheetPath + L".damaged2"), damaged);
    EXPECT_EQ(s.store.files.at(kSheetPath).size(), kSheetFileSize);
  }
}

TEST(SheetFiles, PeekReadsItemsAndLeavesMissingAndDamagedFilesAsTheyAre) {
  Sheets s;
  TSheetBuffer written;
  AddItem(written, MakeItem(L"C:\\a.exe", 3));
  s.store.files[kSheetPath] = SheetFileBytes(written);
  s.store.files[L"C:\\ZELK\\Data\\壊"] = FileWithCount(401);
  TSheetBuffer read;
  EXPECT_TRUE(s.files.Peek(L"一般", read));
  EXPECT_EQ(TargetOf(read, 0), L"C:\\a.exe");
  read.Count = 7;
  EXPECT_FALSE(s.files.Peek(L"壊", read));
  EXPECT_FALSE(s.files.Peek(L"無", read));
  EXPECT_FALSE(s.files.Peek(L"..", read));
  EXPECT_EQ(read.Count, 7);
  EXPECT_EQ(s.store.files.size(), 2u);  // nothing renamed aside
}

TEST(SheetFiles, ItemsWithoutACellOfTheirOwnGetFreeSlotsAtLoad) {
  Sheets s;
  TSheetBuffer written;
  for (const std::int32_t slot : {-1, 5, 5, 401, INT32_MAX, INT32_MIN, 1}) {
    AddItem(written, MakeItem(L"C:\\item.exe", slot));
  }
  s.store.files[kSheetPath] = SheetFileBytes(written);

  s.current.Load(L"一般", {.SORTMODE = 2, .AUTOSORT = false});
  std::vector<std::int32_t> slots;
  for (int i = 0; i < s.current.Buffer().Count; ++i) {
    slots.push_back(s.current.Buffer().Items[static_cast<std::size_t>(i)].Slot);
  }
  EXPECT_EQ(slots, (std::vector<std::int32_t>{0, 5, 2, 3, 4, 6, 1}));
}

TEST(SheetFiles, NamesThatAreNoFileNameOfTheirOwnNeverReachTheStore) {
  Sheets s;
  for (std::wstring_view bad :
       {L"", L".", L"..", L"..\\..\\Windows\\win.ini", L"a/b", L"C:evil", L"x*", L"tab\t",
        L"trailing.", L"trailing ", L"CON", L"nul.txt", L"com1", L"LPT9 .log"}) {
    EXPECT_FALSE(IsValidSheetFileName(bad)) << std::string(bad.begin(), bad.end());
    EXPECT_THROW(s.current.Load(bad, {}), EZelkError);
    EXPECT_THROW(s.current.Save(), EZelkError);
  }
  EXPECT_TRUE(s.store.files.empty());
  for (std::wstring_view good : {L"一般", L"ｹﾞｰﾑ", L"OFFICE", L"Ver1.5", L".profile", L"CONSOLE"}) {
    EXPECT_TRUE(IsValidSheetFileName(good));
  }
}

TEST(SheetFiles, FailedSaveRaisesAndLeavesTheOldFile) {
  Sheets s;
  s.store.files[kSheetPath] = FileWithCount(0);
  s.current.Load(L"一般", {});
  AddItem(s.current.Buffer(), MakeItem(L"C:\\a.exe", 0));
  s.store.failWrites = true;
  EXPECT_THROW(s.current.Save(), EInOutError);
  EXPECT_EQ(s.store.files.at(kSheetPath), FileWithCount(0));
}

TEST(DataIni, ExportOfFiveOverSevenSetsCountFiveAndLeavesTheOldSections) {
  FakeProfile dataIni;
  const Cp932Codec codec;
  TSheetBuffer seven;
  for (int i = 0; i < 7; ++i) AddItem(seven, MakeItem(L"C:\\old" + std::to_wstring(i), i));
  WriteDataIni(seven, dataIni, codec);

  TSheetBuffer five;
  for (int i = 0; i < 5; ++i) {
    TLauncherItem item = MakeItem(L"C:\\ソフト\\表" + std::to_wstring(i) + L".exe", i, 10 + i, L"表");
    EncodeField(item.Params, L"/p", codec);
    EncodeField(item.Group, L"一般", codec);
    AddItem(five, item);
  }
  dataIni.writes.clear();
  WriteDataIni(five, dataIni, codec);

  EXPECT_EQ(dataIni.ReadString(L"総数", L"COUNT"), L"5");
  EXPECT_EQ(dataIni.ReadString(L"DATA1", L"Name"), L"C:\\ソフト\\表0.exe");
  EXPECT_EQ(dataIni.ReadString(L"DATA5", L"Count"), L"14");
  EXPECT_EQ(dataIni.ReadString(L"DATA7", L"Name"), L"C:\\old6");
  ASSERT_EQ(dataIni.writes.size(), 1u + 5u * 5u);
  EXPECT_EQ(dataIni.writes[1], (FakeProfile::Write{L"DATA1", L"Disp", L"表"}));
  EXPECT_EQ(dataIni.writes[2].key, L"Name");
  EXPECT_EQ(dataIni.writes[3], (FakeProfile::Write{L"DATA1", L"Param", L"/p"}));
  EXPECT_EQ(dataIni.writes[4], (FakeProfile::Write{L"DATA1", L"Group", L"一般"}));
  EXPECT_EQ(dataIni.writes[5], (FakeProfile::Write{L"DATA1", L"Count", L"10"}));
}

TEST(SheetFiles, ADamagedFileAnotherProgramHoldsIsCopiedAsideOrNeverSavedOver) {
  const auto damaged = FileWithCount(401);
  const TSheetBuffer empty;
  const auto failureOf = [](auto&& action) -> std::wstring {
    try {
      action();
    } catch (const EInOutError& error) {
      return error.Message();
    }
    return {};
  };
  {  // Held without leave to move it: its bytes are copied aside.
    Sheets s;
    s.store.files[kSheetPath] = damaged;
    s.store.held.insert(kSheetPath);
    TSheetBuffer sheet;
    const std::wstring told = failureOf([&] { s.files.Load(L"一般", sheet); });
    EXPECT_NE(told.find(L"壊れています"), std::wstring::npos);
    EXPECT_NE(told.find(L"写しを「" + kSheetPath + L".damaged」"), std::wstring::npos) << told;
    EXPECT_EQ(s.store.files.at(kSheetPath + L".damaged"), damaged);
    s.files.Save(L"一般", empty);
    EXPECT_EQ(s.store.files.at(kSheetPath), SheetFileBytes(empty));
  }
  {  // Neither moved nor copied (the disk is full too): no save replaces it.
    Sheets s;
    s.store.files[kSheetPath] = damaged;
    s.store.held.insert(kSheetPath);
    s.store.failWrites = true;
    TSheetBuffer sheet;
    EXPECT_NE(failureOf([&] { s.files.Load(L"一般", sheet); }).find(L"保存しません"),
              std::wstring::npos);
    EXPECT_NE(failureOf([&] { s.files.Save(L"一般", empty); }).find(L"保存しません"),
              std::wstring::npos);
    EXPECT_EQ(s.store.files.at(kSheetPath), damaged);
    // Once it can be kept, the next save keeps it first.
    s.store.failWrites = false;
    s.files.Save(L"一般", empty);
    EXPECT_EQ(s.store.files.at(kSheetPath + L".damaged"), damaged);
    EXPECT_EQ(s.store.files.at(kSheetPath), SheetFileBytes(empty));
  }
  {  // Not even readable: not saved over until it has been read.
    Sheets s;
    TSheetBuffer kept;
    AddItem(kept, MakeItem(L"C:\\kept.exe", 0));
    s.store.files[kSheetPath] = SheetFileBytes(kept);
    s.store.locked.insert(kSheetPath);
    TSheetBuffer sheet;
    EXPECT_NE(failureOf([&] { s.files.Load(L"一般", sheet); }), L"");
    EXPECT_EQ(sheet.Count, 0);
    s.store.locked.clear();
    EXPECT_NE(failureOf([&] { s.files.Save(L"一般", empty); }).find(L"選び直す"),
              std::wstring::npos);
    s.files.Load(L"一般", sheet);
    EXPECT_EQ(sheet.Count, 1);
  }
}

TEST(CurrentSheet, AFolderThatCannotBeMadeIsToldOnceUntilASaveWorks) {
  Sheets s;
  s.current.Load(L"一般", {});
  s.store.failFolders = true;
  EXPECT_THROW(s.current.Save(), EInOutError);
  EXPECT_NO_THROW(s.current.Save());
  s.store.failFolders = false;
  s.current.Save();
  EXPECT_TRUE(s.store.files.contains(kSheetPath));
  s.store.failFolders = true;
  EXPECT_THROW(s.current.Save(), EInOutError);
}
