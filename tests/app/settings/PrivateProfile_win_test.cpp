#include <gtest/gtest.h>

#include <algorithm>

#include "app/settings/IniFile.h"
#include "app/settings/PrivateProfile_win.h"
#include "app/settings/Settings.h"
#include "app/settings/TemporaryFiles.h"
#include "app/sheets/FileStore_win.h"
#include "base/text/AnsiCodec_win.h"
#include "tests/support/TempFolder_win.h"

namespace {

::testing::AssertionResult Contains(const std::vector<std::uint8_t>& bytes,
                                    const std::string& text) {
  const std::string file(bytes.begin(), bytes.end());
  if (file.find(text) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the file holds no " << ::testing::PrintToString(text)
                                       << "; it holds " << ::testing::PrintToString(file);
}

void Save(const TSettings& settings, const std::wstring& path) {
  TWin32FileStore store;
  const TAnsiCodec codec;
  TIniFile file(path, store, codec);
  SaveSettings(settings, file.Profile());
  file.Save();
}

}  // namespace

TEST(SettingsFile, IsShiftJisTextWithTheJapaneseSectionNames) {
  TTempFolder folder;
  const std::wstring path = folder.File(L"ZELK.ini");
  TSettings settings;
  // The longest name a sheet file can have, in double-byte characters.
  settings.SheetNames = {L"一般", L"ｹﾞｰﾑ", std::wstring(255, L'表')};
  Save(settings, path);

  const auto bytes = ReadBytes(path);
  // 設定 is 90 DD 92 E8 and 色 is 90 46 in Shift-JIS.
  ASSERT_GE(bytes.size(), 8u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "[\x90\xDD\x92\xE8]\r\n");
  EXPECT_TRUE(Contains(bytes, "[\x90\x46]\r\n"));
  EXPECT_TRUE(Contains(bytes, "\r\nLeft=-1\r\n"));
  EXPECT_TRUE(Contains(bytes, "\r\nTop=0\r\n"));
  EXPECT_TRUE(Contains(bytes, "\r\nBH=-2147483628\r\n"));
  EXPECT_TRUE(Contains(bytes, "\r\nTAB0=\x88\xEA\x94\xCA\r\n"));  // 一般
  EXPECT_TRUE(Contains(bytes, "\r\nTAB1=\xB9\xDE\xB0\xD1\r\n"));  // ｹﾞｰﾑ, half-width kana

  const TSettings read = ReadSettings(TPrivateProfile(path), L"");
  EXPECT_EQ(read.SheetNames, settings.SheetNames);
  EXPECT_EQ(read.BH, settings.BH);
  EXPECT_EQ(read.LEFT, -1);
}

TEST(SettingsFile, UnknownKeysSectionsAndCarriedKeysSurviveARun) {
  TTempFolder folder;
  const std::wstring path = folder.File(L"ZELK.ini");
  WriteBytes(path, Bytes("[\x90\xDD\x92\xE8]\r\nMyOwnKey=keep me\r\nWallDir=C:\\\x95\xC7\r\n"
                         "FName3=memo\r\nTABCT=1\r\nTAB0=A\r\nTAB1=old\r\n"
                         "[Other]\r\nx=1\r\n"));
  TSettings settings = ReadSettings(TPrivateProfile(path), L"");
  EXPECT_EQ(settings.WallDir, L"C:\\壁");
  EXPECT_EQ(settings.FName[3], L"memo");
  Save(settings, path);

  const TPrivateProfile profile(path);
  EXPECT_EQ(profile.ReadString(L"設定", L"MyOwnKey"), L"keep me");
  EXPECT_EQ(profile.ReadString(L"設定", L"TAB1"), L"old");
  EXPECT_EQ(profile.ReadString(L"Other", L"x"), L"1");
  EXPECT_EQ(profile.ReadString(L"設定", L"WallDir"), L"C:\\壁");
  EXPECT_EQ(profile.ReadString(L"設定", L"FName3"), L"memo");
  EXPECT_EQ(profile.ReadString(L"設定", L"FName4"), L"---");
}

TEST(SettingsFile, MissingKeyIsToldFromAnEmptyValue) {
  TTempFolder folder;
  const std::wstring path = folder.File(L"ZELK.ini");
  WriteBytes(path, Bytes("[a]\r\nempty=\r\n"));
  const TPrivateProfile profile(path);
  EXPECT_EQ(profile.ReadString(L"a", L"empty"), L"");
  EXPECT_EQ(profile.ReadString(L"a", L"missing"), std::nullopt);
  EXPECT_EQ(TPrivateProfile(folder.File(L"none.ini")).ReadString(L"a", L"empty"), std::nullopt);
}

TEST(SettingsFile, AFileReadButNotSavedStaysAsItWasAndASaveLeavesNoTemporaryFile) {
  TTempFolder folder;
  const std::wstring path = folder.File(L"ZELK.ini");
  const auto original = Bytes("[\x90\xDD\x92\xE8]\r\nDBLMODE=1\r\n");
  WriteBytes(path, original);
  TWin32FileStore store;
  const TAnsiCodec codec;
  {
    TIniFile file(path, store, codec);
    file.Profile().WriteString(L"設定", L"DBLMODE", L"0");
  }
  EXPECT_EQ(ReadBytes(path), original);
  Save(TSettings{}, path);
  EXPECT_EQ(folder.Entries(), std::vector<std::wstring>{L"ZELK.ini"});
}

TEST(TemporaryFiles, StartUpRemovesOnlyTheProgramsOwnStaleTemporaryFiles) {
  TTempFolder folder;
  for (const wchar_t* name : {L"zlk1A2F.tmp", L"ZLK7.TMP", L"zlkG1.tmp", L"zlk12345.tmp",
                              L"zlk.tmp", L"other.tmp", L"ZELK.ini"}) {
    WriteBytes(folder.File(name), Bytes("x"));
  }
  RemoveOwnTemporaryFiles({folder.Path()});
  auto left = folder.Entries();
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::wstring>{L"ZELK.ini", L"other.tmp", L"zlk.tmp", L"zlk12345.tmp",
                                             L"zlkG1.tmp"}));
}

TEST(SettingsFile, IsReadForTheSaveAsTheSystemReadsItWhateverItsMark) {
  TTempFolder folder;
  const std::wstring path = folder.File(L"ZELK.ini");
  const std::wstring text = L"[設定]\r\nWallDir=C:\\壁\r\nTAB0=café\r\n";
  const auto utf16 = [&](bool bigEndian) {
    std::vector<std::uint8_t> bytes = {bigEndian ? std::uint8_t{0xFE} : std::uint8_t{0xFF},
                                       bigEndian ? std::uint8_t{0xFF} : std::uint8_t{0xFE}};
    for (const wchar_t c : text) {
      bytes.push_back(static_cast<std::uint8_t>(bigEndian ? c >> 8 : c & 0xFF));
      bytes.push_back(static_cast<std::uint8_t>(bigEndian ? c & 0xFF : c >> 8));
    }
    return bytes;
  };
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"UTF-8", Bytes("\xEF\xBB\xBF[\xE8\xA8\xAD\xE5\xAE\x9A]\r\nWallDir=C:\\\xE5\xA3\x81\r\n"
                      "TAB0=caf\xC3\xA9\r\n")},
      {"UTF-16LE", utf16(false)},
      {"UTF-16BE", utf16(true)},
  };
  TWin32FileStore store;
  const TAnsiCodec codec;
  for (const auto& c : cases) {
    WriteBytes(path, c.bytes);
    const TPrivateProfile system(path);
    TIniFile file(path, store, codec);
    for (const wchar_t* key : {L"WallDir", L"TAB0"}) {
      EXPECT_EQ(file.Profile().ReadString(L"設定", key), system.ReadString(L"設定", key)) << c.what;
    }
    EXPECT_EQ(system.ReadString(L"設定", L"TAB0"), L"café") << c.what;
  }
}
