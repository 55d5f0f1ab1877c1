#include <gtest/gtest.h>

#include "app/settings/IniFile.h"
#include "app/settings/SettingsFiles.h"
#include "base/errors/Errors.h"
#include "tests/support/Cp932Codec.h"
#include "tests/support/Items.h"
#include "tests/support/MemoryFileStore.h"

namespace {

std::vector<std::uint8_t> BytesOf(const std::string& text) { return {text.begin(), text.end()}; }

}  // namespace

TEST(IniDocument, KeepsEveryLineAndChangesOnlyTheKeysWritten) {
  TIniDocument document(
      L"; note\r\n[設定]\r\nLEFT = 5\r\nMyOwnKey=keep "
      L"me\r\n\r\n[Other]\nx=1\n[設定]\r\nTAB0=second\r\n");
  EXPECT_EQ(document.ReadString(L"設定", L"left"), L"5");
  EXPECT_EQ(document.ReadString(L"設定", L"TAB0"), std::nullopt);  // the first section only
  EXPECT_EQ(document.ReadString(L"other", L"X"), L"1");
  EXPECT_EQ(document.ReadString(L"Other", L"missing"), std::nullopt);

  document.WriteString(L"設定", L"Left", L"-1");       // in place, the file's spelling kept
  document.WriteString(L"設定", L"DBLMODE", L"0");     // after the section's last key
  document.WriteString(L"色", L"BH", L"-2147483628");  // a new section at the end
  EXPECT_EQ(
      document.Text(),
      L"; note\r\n[設定]\r\nLEFT=-1\r\nMyOwnKey=keep me\r\nDBLMODE=0\r\n\r\n[Other]\r\nx=1\r\n"
      L"[設定]\r\nTAB0=second\r\n[色]\r\nBH=-2147483628\r\n");
  EXPECT_EQ(TIniDocument(document.Text()).ReadString(L"色", L"BH"), L"-2147483628");
}

TEST(SettingsFiles, AFullDiskKeepsBothOldFilesAndNamesThem) {
  MemoryFileStore store;
  const Cp932Codec codec;
  const TSettingsFilePaths paths{L"C:\\ZELK\\ZELK.ini", L"C:\\ZELK\\DATA.INI"};
  store.files[paths.SettingsFile] = BytesOf("[" + Sjis(L"設定") + "]\r\nColum=4\r\n");
  store.files[paths.DataIni] = BytesOf("[" + Sjis(L"総数") + "]\r\nCOUNT=7\r\n");
  const auto before = store.files;
  TSettings settings;
  settings.SheetNames = {L"一般"};
  TSheetBuffer sheet;
  AddItem(sheet, MakeItem(L"C:\\ソフト\\表.exe", 0, 3, L"表"));

  store.failWrites = true;
  try {
    SaveSettingsFiles(settings, sheet, paths, store, codec);
    ADD_FAILURE() << "a failed save raised nothing";
  } catch (const EInOutError& failure) {
    EXPECT_NE(failure.Message().find(paths.SettingsFile), std::wstring::npos);
    EXPECT_NE(failure.Message().find(paths.DataIni), std::wstring::npos);
  }
  EXPECT_EQ(store.files, before);

  store.failWrites = false;
  SaveSettingsFiles(settings, sheet, paths, store, codec);
  const std::string written(store.files[paths.DataIni].begin(), store.files[paths.DataIni].end());
  EXPECT_EQ(written, "[" + Sjis(L"総数") + "]\r\nCOUNT=1\r\n[DATA1]\r\nDisp=" + Sjis(L"表") +
                         "\r\nName=" + Sjis(L"C:\\ソフト\\表.exe") +
                         "\r\nParam=\r\nGroup=\r\nCount=3\r\n");
}

TEST(IniFile, AFileSavedAsUtf16TextIsReadAsSuchAndWrittenInTheAnsiCodePage) {
  MemoryFileStore store;
  const Cp932Codec codec;
  std::vector<std::uint8_t> utf16 = {0xFF, 0xFE};
  for (wchar_t c : std::wstring(L"[設定]\r\nWallDir=C:\\壁\r\n")) {
    utf16.push_back(static_cast<std::uint8_t>(c & 0xFF));
    utf16.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  store.files[L"ZELK.ini"] = utf16;
  TIniFile file(L"ZELK.ini", store, codec);
  file.Profile().WriteString(L"設定", L"Colum", L"4");
  file.Save();
  EXPECT_EQ(store.files[L"ZELK.ini"],
            BytesOf("[" + Sjis(L"設定") + "]\r\nWallDir=" + Sjis(L"C:\\壁") + "\r\nColum=4\r\n"));
}
