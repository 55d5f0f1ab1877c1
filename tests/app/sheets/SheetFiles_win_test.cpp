#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "app/settings/SettingsFiles.h"
#include "app/sheets/CurrentSheet.h"
#include "app/sheets/FileStore_win.h"
#include "app/sheets/IconList_win.h"
#include "base/errors/Errors.h"
#include "base/text/AnsiCodec_win.h"
#include "base/text/AnsiField.h"
#include "base/win32/Handles_win.h"
#include "tests/support/TempFolder_win.h"

namespace {

struct RealSheets {
  TTempFolder folder;
  TWin32FileStore store;
  TSheetFiles files{folder.Path(), store};
  TIconCache cache;
  TSheetIcons icons{cache};
  TAnsiCodec codec;
  TCurrentSheet sheet{files, icons, codec};
  RealSheets() { files.EnsureDataFolder(); }
  std::wstring SheetPath(const std::wstring& name) const { return folder.File(L"Data\\" + name); }
};

void Add(TCurrentSheet& sheet, const std::wstring& target, int slot, const TAnsiCodec& codec) {
  TLauncherItem& item = sheet.Buffer().Items[static_cast<std::size_t>(sheet.Buffer().Count++)];
  item = TLauncherItem{};
  EncodeField(item.Target, target, codec);
  EncodeField(item.Display, L"表示", codec);
  item.Slot = slot;
}

std::wstring SystemFile(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\" + name;
}

}  // namespace

TEST(SheetFileOnDisk, IsWrittenAndReadBackByteForByte) {
  RealSheets s;
  s.sheet.Load(L"一般", {});
  EXPECT_EQ(s.sheet.Buffer().Count, 0);
  Add(s.sheet, SystemFile(L"notepad.exe"), 0, s.codec);
  Add(s.sheet, s.folder.Path(), 1, s.codec);
  s.sheet.Save();

  const auto bytes = ReadBytes(s.SheetPath(L"一般"));
  ASSERT_EQ(bytes.size(), 288004u);
  EXPECT_EQ(bytes, SheetFileBytes(s.sheet.Buffer()));

}

TEST(SheetFileOnDisk, ItemsWhoseTargetIsAwayKeepTheirPlaceWithAnIconAndInTheFile) {
  RealSheets s;
  s.sheet.Load(L"一般", {});
  Add(s.sheet, SystemFile(L"notepad.exe"), 0, s.codec);
  Add(s.sheet, s.folder.File(L"ソフト\\表.exe"), 1, s.codec);  // does not exist
  s.sheet.Save();
  const auto saved = ReadBytes(s.SheetPath(L"一般"));

  s.sheet.Load(L"一般", {.SORTMODE = 2, .AUTOSORT = true});
  ASSERT_EQ(s.sheet.Buffer().Count, 2);
  EXPECT_EQ(s.icons.Images().size(), 2u);
  s.sheet.Save();
  EXPECT_EQ(ReadBytes(s.SheetPath(L"一般")), saved);
}

TEST(SheetFileOnDisk, AFailedSaveLeavesTheOldFileWholeAndNoTemporaryFile) {
  RealSheets s;
  s.sheet.Load(L"一般", {});
  Add(s.sheet, SystemFile(L"notepad.exe"), 0, s.codec);
  s.sheet.Save();
  const auto before = ReadBytes(s.SheetPath(L"一般"));

  // Another program holds the file open and lets nobody replace it.
  {
    const TFileHandle holder(CreateFileW(s.SheetPath(L"一般").c_str(), GENERIC_READ,
                                         FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder.Valid());
    Add(s.sheet, SystemFile(L"cmd.exe"), 1, s.codec);
    EXPECT_THROW(s.sheet.Save(), EInOutError);
  }

  EXPECT_EQ(ReadBytes(s.SheetPath(L"一般")), before);
  EXPECT_EQ(s.folder.Entries(L"Data"), std::vector<std::wstring>{L"一般"});
}

TEST(SheetFileOnDisk, ADamagedFileIsReportedAndKeptAsideWithItsBytes) {
  // Too short, and too long (read only up to the format's size).
  for (const std::size_t size : {std::size_t{1000}, std::size_t{4} << 20}) {
    RealSheets s;
    const std::vector<std::uint8_t> damaged(size, 0x01);
    WriteBytes(s.SheetPath(L"通信"), damaged);

    EXPECT_THROW(s.sheet.Load(L"通信", {}), ESheetDamaged) << size;
    EXPECT_EQ(s.sheet.Buffer().Count, 0);
    EXPECT_EQ(ReadBytes(s.SheetPath(L"通信.damaged")), damaged) << size;

    Add(s.sheet, SystemFile(L"notepad.exe"), 0, s.codec);
    s.sheet.Save();
    EXPECT_EQ(ReadBytes(s.SheetPath(L"通信")).size(), 288004u);
    EXPECT_EQ(ReadBytes(s.SheetPath(L"通信.damaged")), damaged) << size;
  }
}

TEST(SheetFileOnDisk, ADataFolderThatIsAFileIsReportedNotTakenForAnEmptySheet) {
  TTempFolder folder;
  WriteBytes(folder.File(L"Data"), {'x'});
  TWin32FileStore store;
  TSheetFiles files(folder.Path(), store);
  files.EnsureDataFolder();  // leaves the file as it is
  TSheetBuffer sheet;
  try {
    files.Load(L"一般", sheet);
    FAIL() << "the load must say that Data is a file";
  } catch (const EInOutError& error) {
    const std::wstring told = L"ファイル「" + folder.File(L"Data\\一般") +
                              L"」を開けませんでした。\n「" + folder.File(L"Data") +
                              L"」はフォルダーではなくファイルです。";
    EXPECT_EQ(error.Message().substr(0, told.size()), told);
  }
}

TEST(SheetFileOnDisk, ANameLeadingOutsideTheDataFolderCreatesNothing) {
  RealSheets s;
  EXPECT_THROW(s.sheet.Load(L"..\\escaped", {}), EZelkError);
  EXPECT_THROW(s.sheet.Save(), EZelkError);
  EXPECT_EQ(s.folder.Entries(), std::vector<std::wstring>{L"Data"});
  EXPECT_TRUE(s.folder.Entries(L"Data").empty());
}

TEST(SheetFileOnDisk, ADamagedFileHeldByAnotherHandleIsCopiedAsideWithItsBytes) {
  RealSheets s;
  const std::vector<std::uint8_t> damaged(1000, 0x01);
  WriteBytes(s.SheetPath(L"通信"), damaged);
  {
    // A virus scanner, say: it reads the file and lets nobody move it.
    const TFileHandle holder(CreateFileW(s.SheetPath(L"通信").c_str(), GENERIC_READ,
                                         FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder.Valid());
    try {
      s.sheet.Load(L"通信", {});
      FAIL() << "a damaged file must be reported";
    } catch (const ESheetDamaged& error) {
      EXPECT_NE(error.Message().find(L"その写しを「" + s.SheetPath(L"通信.damaged") + L"」"),
                std::wstring::npos)
          << ::testing::PrintToString(error.Message());
    }
    EXPECT_EQ(ReadBytes(s.SheetPath(L"通信.damaged")), damaged);
  }
  Add(s.sheet, SystemFile(L"notepad.exe"), 0, s.codec);
  s.sheet.Save();
  EXPECT_EQ(ReadBytes(s.SheetPath(L"通信")).size(), 288004u);
  EXPECT_EQ(ReadBytes(s.SheetPath(L"通信.damaged")), damaged);
}

TEST(SheetFileOnDisk, ReadOnlyFilesAreNeverReplacedAndTheSaveSaysWhy) {
  RealSheets s;
  const std::wstring settingsFile = s.folder.File(L"ZELK.ini");
  const std::wstring dataIni = s.folder.File(L"DATA.INI");
  const std::wstring sheetFile = s.SheetPath(L"一般");
  for (const std::wstring& path : {settingsFile, dataIni, sheetFile}) {
    WriteBytes(path, Bytes("[x]\r\n"));
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  }
  TToldFailures told;
  const std::wstring report = SaveSettingsFiles(TSettings{}, TSheetBuffer{},
                                                {settingsFile, dataIni}, s.store, s.codec, told);
  EXPECT_NE(report.find(L"ファイル「" + settingsFile + L"」を保存できませんでした。\n読み取り専用"),
            std::wstring::npos)
      << ::testing::PrintToString(report);
  EXPECT_NE(report.find(L"ファイル「" + dataIni + L"」を保存できませんでした。"),
            std::wstring::npos);
  EXPECT_THROW(s.files.Save(L"一般", TSheetBuffer{}), EInOutError);
  for (const std::wstring& path : {settingsFile, dataIni, sheetFile}) {
    EXPECT_EQ(ReadBytes(path), Bytes("[x]\r\n"));
    EXPECT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY);
  }
}
