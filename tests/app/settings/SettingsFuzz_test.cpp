// A bounded, seeded fuzz of the settings reading path: mutated settings file
// texts go through the INI document and ReadSettings under the sanitizers.

#include <gtest/gtest.h>

#include <random>

#include "app/settings/IniDocument.h"
#include "app/settings/Settings.h"
#include "app/sheets/SheetNames.h"

namespace {

constexpr int kMutations = 2000;

std::wstring SeedText() {
  TIniDocument document(L"; kept\r\n[設定]\r\nMyOwnKey=x\r\n[Other]\r\ny=\"q\"\r\n");
  TSettings settings;
  settings.SheetNames = {L"一般", L"ｹﾞｰﾑ", L"表計算"};
  settings.WallDir = L"C:\\壁紙";
  SaveSettings(settings, document);
  return document.Text();
}

std::wstring Mutated(std::wstring text, std::mt19937& random) {
  static const std::wstring kPieces[] = {L"[",      L"]",
                                         L"=",      L"\r\n",
                                         L"\n",     L"\r",
                                         L";",      L"\"",
                                         L" ",      L"\t",
                                         L"-",      L"0",
                                         L"9",      L"2147483648",
                                         L"TAB",    L"TABCT=",
                                         L"Colum=", L"[設定]",
                                         L"[色]",   L"表",
                                         L"\\",     std::wstring(1, L'\0'),
                                         L"\xD800"};
  const int steps = 1 + static_cast<int>(random() % 4);
  for (int step = 0; step < steps; ++step) {
    const std::size_t at = text.empty() ? 0 : random() % (text.size() + 1);
    switch (random() % 4) {
      case 0:
        text.insert(at, kPieces[random() % std::size(kPieces)]);
        break;
      case 1:
        text.erase(at, random() % 16);
        break;
      case 2:  // a stretch copied elsewhere, as duplicated keys and sections
        text.insert(random() % (text.size() + 1), text.substr(at, random() % 64));
        break;
      default:
        if (at < text.size()) text[at] = static_cast<wchar_t>(L'0' + random() % 10);
        break;
    }
  }
  return text;
}

void ExpectUsable(const TSettings& settings) {
  EXPECT_GE(settings.Colum, 1);
  EXPECT_LE(settings.Colum, kMaxColum);
  EXPECT_GE(settings.FontSize, kMinFontSize);
  EXPECT_LE(settings.FontSize, kMaxFontSize);
  EXPECT_GE(settings.Width, kMinWindowSize);
  EXPECT_GE(settings.Height, kMinWindowSize);
  EXPECT_GE(settings.SheetNames.size(), 1u);
  EXPECT_LE(settings.SheetNames.size(), kMaxSheets);
  for (const auto& name : settings.SheetNames) EXPECT_TRUE(IsValidSheetFileName(name));
}

}  // namespace

TEST(SettingsFuzz, MutatedFilesReadWithinBoundsAndSurviveASave) {
  std::mt19937 random(18);
  const std::wstring seed = SeedText();
  std::wstring text = seed;
  for (int i = 0; i < kMutations; ++i) {
    text = (i % 4 == 0) ? Mutated(seed, random) : Mutated(text, random);
    TIniDocument document(text);
    const TSettings read = ReadSettings(document, L"");
    ExpectUsable(read);

    SaveSettings(read, document);
    const std::wstring saved = document.Text();
    EXPECT_EQ(TIniDocument(saved).Text(), saved);
    TSettings reread = ReadSettings(TIniDocument(saved), L"");
    // Quotes around a text value are dropped at each read, as the system does.
    reread.WallDir = read.WallDir;
    reread.MeltDir = read.MeltDir;
    reread.FreezeDir = read.FreezeDir;
    reread.FName = read.FName;
    reread.FPath = read.FPath;
    ASSERT_EQ(reread, read) << "mutation " << i;
  }
}
