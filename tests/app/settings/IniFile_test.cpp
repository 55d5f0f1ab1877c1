#include <gtest/gtest.h>

#include "app/settings/IniFile.h"
#include "app/settings/SettingsFiles.h"
#include "base/errors/Errors.h"
#include "tests/support/Cp932Codec.h"
#include "tests/support/Items.h"
#include "tests/support/MemoryFileStore.h"

namespace {

std::vector<std::uint8_t> BytesOf(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> Utf16(std::wstring_view text, bool bigEndian) {
  std::vector<std::uint8_t> bytes =
      bigEndian ? std::vector<std::uint8_t>{0xFE, 0xFF} : std::vector<std::uint8_t>{0xFF, 0xFE};
  for (const wchar_t c : text) {
    const auto high = static_cast<std::uint8_t>(c >> 8);
    const auto low = static_cast<std::uint8_t>(c & 0xFF);
    bytes.push_back(bigEndian ? high : low);
    bytes.push_back(bigEndian ? low : high);
  }
  return bytes;
}

std::vector<std::uint8_t> Utf8(std::u8string_view text) {
  std::vector<std::uint8_t> bytes = {0xEF, 0xBB, 0xBF};
  bytes.insert(bytes.end(), text.begin(), text.end());
  return bytes;
}

const std::wstring kPath = L"C:\\ZELK\\ZELK.ini";

}  // namespace

TEST(IniDocument, KeepsEveryLineAndChangesOnlyTheKeysWritten) {
  TIniDocument document(
      L"; note\r\n[設定]\r\nLEFT = 5\r\nMyOwnKey=keep "
      L"me\r\n\r\n[Other]\nx=1\n[設定]\r\nTAB0=second");
  EXPECT_EQ(document.ReadString(L"設定", L"left"), L"5");
  EXPECT_EQ(document.ReadString(L"設定", L"TAB0"), std::nullopt);  // the first section only
  EXPECT_EQ(document.ReadString(L"other", L"X"), L"1");
  EXPECT_EQ(document.ReadString(L"Other", L"missing"), std::nullopt);

  document.WriteString(L"設定", L"Left", L"-1");       // in place, the file's spelling kept
  document.WriteString(L"設定", L"DBLMODE", L"0");     // after the section's last key
  document.WriteString(L"色", L"BH", L"-2147483628");  // a new section at the end
  // Line ends stay as they were; the last line gets one once a line follows.
  EXPECT_EQ(document.Text(),
            L"; note\r\n[設定]\r\nLEFT=-1\r\nMyOwnKey=keep me\r\nDBLMODE=0\r\n\r\n[Other]\nx=1\n"
            L"[設定]\r\nTAB0=second\r\n[色]\r\nBH=-2147483628\r\n");
  EXPECT_EQ(TIniDocument(document.Text()).ReadString(L"色", L"BH"), L"-2147483628");
}

TEST(IniFile, IsWrittenBackInTheEncodingItWasReadInKeepingEveryOtherByte) {
  const Cp932Codec codec;
  const struct {
    const char* what;
    std::vector<std::uint8_t> before, after;
    TTextEncoding encoding;
  } cases[] = {
      {"Shift-JIS, LF, no last line end", BytesOf(Sjis(L"; メモ\n[設定]\nColum=3\n[色]\nBH=1")),
       BytesOf(Sjis(L"; メモ\n[設定]\nColum=4\n[色]\nBH=1")), TTextEncoding::Ansi},
      {"UTF-8 with its mark", Utf8(u8"[設定]\r\n; ☃ é\r\nColum=3\r\n"),
       Utf8(u8"[設定]\r\n; ☃ é\r\nColum=4\r\n"), TTextEncoding::Utf8},
      {"UTF-16LE", Utf16(L"[設定]\r\nTAB0=café\r\nColum=3\r\n", false),
       Utf16(L"[設定]\r\nTAB0=café\r\nColum=4\r\n", false), TTextEncoding::Utf16Le},
      {"UTF-16BE", Utf16(L"[設定]\r\nMeltDir=C:\\José\r\nColum=3\r\n", true),
       Utf16(L"[設定]\r\nMeltDir=C:\\José\r\nColum=4\r\n", true), TTextEncoding::Utf16Be},
  };
  for (const auto& c : cases) {
    MemoryFileStore store;
    store.files[kPath] = c.before;
    TIniFile file(kPath, store, codec);
    EXPECT_EQ(file.Encoding(), c.encoding) << c.what;
    EXPECT_EQ(file.Profile().ReadString(L"設定", L"Colum"), L"3") << c.what;
    file.Profile().WriteString(L"設定", L"Colum", L"4");
    file.Save();
    EXPECT_EQ(store.files[kPath], c.after) << c.what;
    EXPECT_TRUE(file.KeptAside().empty()) << c.what;
  }
}

TEST(IniFile, AFileThatIsNoTextOfItsEncodingIsKeptAsideAndWrittenAnew) {
  const Cp932Codec codec;
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"not Shift-JIS", BytesOf("[a]\r\nx=\x81\x20\xFF\r\n")},
      {"not UTF-8", {0xEF, 0xBB, 0xBF, 'x', '=', 0xC0, 0xAF}},
      {"UTF-16 of an odd length", {0xFF, 0xFE, 'x', 0, '='}},
  };
  for (const auto& c : cases) {
    MemoryFileStore store;
    store.files[kPath] = c.bytes;
    TIniFile file(kPath, store, codec);
    file.Profile().WriteString(L"設定", L"Colum", L"4");
    file.Save();
    EXPECT_EQ(file.KeptAside(), kPath + L".damaged") << c.what;
    EXPECT_EQ(store.files[kPath + L".damaged"], c.bytes) << c.what;
    EXPECT_EQ(store.files[kPath], BytesOf(Sjis(L"[設定]\r\nColum=4\r\n"))) << c.what;
  }
}

TEST(IniFile, ACharacterTheFileCannotHoldRefusesTheSaveInsteadOfWritingAQuestionMark) {
  const Cp932Codec codec;
  MemoryFileStore store;
  store.files[kPath] = BytesOf(Sjis(L"[設定]\r\nColum=3\r\n"));
  const auto before = store.files;
  TIniFile file(kPath, store, codec);
  file.Profile().WriteString(L"設定", L"MeltDir", L"C:\\Users\\José");
  try {
    file.Save();
    ADD_FAILURE() << "a character without a Shift-JIS form was written";
  } catch (const EInOutError& failure) {
    EXPECT_NE(failure.Message().find(L"「MeltDir=C:\\Users\\José」の「é」"), std::wstring::npos);
  }
  EXPECT_EQ(store.files, before);
}

TEST(SettingsFiles, AFullDiskKeepsBothOldFilesAndNamesThemOnce) {
  MemoryFileStore store;
  const Cp932Codec codec;
  TToldFailures told;
  const TSettingsFilePaths paths{kPath, L"C:\\ZELK\\DATA.INI"};
  store.files[paths.SettingsFile] = BytesOf("[" + Sjis(L"設定") + "]\r\nColum=4\r\n");
  store.files[paths.DataIni] = BytesOf("[" + Sjis(L"総数") + "]\r\nCOUNT=7\r\n");
  const auto before = store.files;
  TSettings settings;
  settings.SheetNames = {L"一般"};
  TSheetBuffer sheet;
  AddItem(sheet, MakeItem(L"C:\\ソフト\\表.exe", 0, 3, L"表"));

  store.failWrites = true;
  const std::wstring report = SaveSettingsFiles(settings, sheet, paths, store, codec, told);
  EXPECT_NE(report.find(paths.SettingsFile), std::wstring::npos);
  EXPECT_NE(report.find(paths.DataIni), std::wstring::npos);
  EXPECT_EQ(store.files, before);
  // The same failure at the next close is not told again.
  EXPECT_EQ(SaveSettingsFiles(settings, sheet, paths, store, codec, told), L"");

  store.failWrites = false;
  EXPECT_EQ(SaveSettingsFiles(settings, sheet, paths, store, codec, told), L"");
  const std::string written(store.files[paths.DataIni].begin(), store.files[paths.DataIni].end());
  EXPECT_EQ(written, "[" + Sjis(L"総数") + "]\r\nCOUNT=1\r\n[DATA1]\r\nDisp=" + Sjis(L"表") +
                         "\r\nName=" + Sjis(L"C:\\ソフト\\表.exe") +
                         "\r\nParam=\r\nGroup=\r\nCount=3\r\n");
  // After a save that worked, a failure is news again.
  store.failWrites = true;
  EXPECT_NE(SaveSettingsFiles(settings, sheet, paths, store, codec, told), L"");
}
