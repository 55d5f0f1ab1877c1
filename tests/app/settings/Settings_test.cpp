#include <gtest/gtest.h>

#include "app/settings/Settings.h"
#include "app/settings/WindowBounds.h"
#include "net/TimeServers.h"
#include "tests/support/FakeProfile.h"

namespace {

const std::wstring G(kGeneralSection);
const std::wstring C(kColorSection);

TSettings Unusual() {
  TSettings s;
  s.DBLMODE = 1; s.SIDECLICK = 0; s.STATUS_DISP = 0; s.EXE_HIDE = 1; s.SINGLE_EXE = 0;
  s.FILE_DISP = 1; s.COUNT_DISP = 1; s.NTP = 13; s.AJCLK = true;
  s.BH = 1; s.BM = 2; s.BL = 3; s.NameC = 4; s.CountC = 5; s.TopC = 6; s.LeftC = 7;
  s.TabC = 8; s.TabBC = 9; s.FoldaC = 10; s.StatusC = 0x00FFFFFF;
  s.AUTOSORT = false; s.BTN_PAT = 1; s.WallTimer = 7; s.FontSize = 12; s.WALL_CHANGE = 3;
  s.WallDir = L"C:\\壁紙"; s.MeltDir = L"C:\\解凍"; s.FreezeDir = L"C:\\圧縮";
  s.MeltDLG = 0; s.FreezeDLG = 0; s.WallInfo = -5; s.RS_Direction = 0;
  s.Width = 500; s.Height = 600; s.Colum = 1; s.SORTMODE = 1; s.LDISPMODE = 0;
  s.TOPMOST = 1; s.LEFT = 10; s.Wait = 20; s.TOP = 30; s.TAB = 2; s.CURSOR_MONITOR = 1;
  s.SheetNames = {L"A", L"表計算", L"C"};
  for (int i = 0; i < kCarriedPairs; ++i) {
    s.FName[i] = L"name" + std::to_wstring(i);
    s.FPath[i] = L"C:\\path" + std::to_wstring(i);
  }
  return s;
}

std::vector<std::wstring> KeysWritten(const FakeProfile& profile) {
  std::vector<std::wstring> keys;
  for (const auto& write : profile.writes) keys.push_back(write.key);
  return keys;
}

}  // namespace

TEST(Settings, MissingFileGivesEveryDefaultAndTheFiveSheets) {
  const FakeProfile empty;
  const TSettings settings = ReadSettings(empty, L"");
  TSettings expected;
  expected.SheetNames = {L"一般", L"OFFICE", L"画像", L"通信", L"ｹﾞｰﾑ"};
  expected.FName.fill(L"---");
  expected.FPath.fill(L"---");
  EXPECT_EQ(settings, expected);
  EXPECT_EQ(settings.BH, -2147483628);
  EXPECT_EQ(settings.BM, -2147483633);
  EXPECT_EQ(settings.BL, -2147483632);
}

TEST(Settings, EveryKeySurvivesASaveAndARead) {
  const TSettings saved = Unusual();
  FakeProfile profile;
  SaveSettings(saved, profile);
  EXPECT_EQ(ReadSettings(profile, L"C:\\Desktop"), saved);
}

TEST(Settings, SaveWritesTheKeysInTheFileOrderWithLeftAndTopUnderThoseNames) {
  TSettings settings = Unusual();
  settings.SheetNames = {L"A", L"B"};
  FakeProfile profile;
  SaveSettings(settings, profile);

  std::vector<std::wstring> expected = {
      L"DBLMODE", L"SIDECLICK", L"SORTMODE", L"EXE_HIDE", L"FILE_DISP", L"COUNT_DISP", L"NTP",
      L"SINGLE_EXE", L"TOPMOST", L"BTN_PAT", L"Left", L"Top", L"STATUS_DISP", L"WALL_CHANGE",
      L"WallTimer", L"WallDir", L"WallInfo", L"FontSize", L"Wait", L"Width", L"Height",
      L"Colum", L"RS_Direction", L"TAB", L"TABCT", L"LDISPMODE", L"MeltDir", L"FreezeDir",
      L"MeltDLG", L"FreezeDLG", L"AJCLK", L"TAB0", L"TAB1"};
  for (int i = 0; i < 10; ++i) {
    expected.push_back(L"FName" + std::to_wstring(i));
    expected.push_back(L"FPath" + std::to_wstring(i));
  }
  for (auto key : {L"BH", L"BM", L"BL", L"NameC", L"CountC", L"TopC", L"LeftC", L"TabC",
                   L"TabBC", L"FoldaC", L"StatusC", L"AUTOSORT", L"CURSOR_MONITOR"}) {
    expected.push_back(key);
  }
  EXPECT_EQ(KeysWritten(profile), expected);

  EXPECT_EQ(profile.writes[0], (FakeProfile::Write{G, L"DBLMODE", L"1"}));
  EXPECT_EQ(profile.writes[10], (FakeProfile::Write{G, L"Left", L"10"}));
  EXPECT_EQ(profile.writes.back(), (FakeProfile::Write{G, L"CURSOR_MONITOR", L"1"}));
  EXPECT_EQ(profile.writes[30], (FakeProfile::Write{G, L"AJCLK", L"1"}));
  const auto colour = profile.writes[profile.writes.size() - 13];
  EXPECT_EQ(colour, (FakeProfile::Write{C, L"BH", L"1"}));
}

TEST(Settings, DefaultColoursAreWrittenAsSignedDecimal) {
  FakeProfile profile;
  SaveSettings(TSettings{}, profile);
  EXPECT_EQ(profile.ReadString(C, L"BH"), L"-2147483628");
  EXPECT_EQ(profile.ReadString(C, L"TopC"), L"-2147483633");
  EXPECT_EQ(profile.ReadString(G, L"AUTOSORT"), L"1");
}

TEST(Settings, ByteKeysKeepTheLowEightBitsAndNonNumbersGiveTheDefault) {
  FakeProfile profile;
  profile.Set(G, L"SIDECLICK", L"257");
  profile.Set(G, L"SORTMODE", L"-1");
  profile.Set(G, L"Width", L"wide");
  profile.Set(G, L"Height", L"99999999999");
  profile.Set(G, L"AJCLK", L"7");
  profile.Set(G, L"autosort", L"0");  // keys are compared without regard to case
  const TSettings settings = ReadSettings(profile, L"");
  EXPECT_EQ(settings.SIDECLICK, 1);
  EXPECT_EQ(settings.SORTMODE, 255);
  EXPECT_EQ(settings.Width, 331);
  EXPECT_EQ(settings.Height, 432);
  EXPECT_TRUE(settings.AJCLK);
  EXPECT_FALSE(settings.AUTOSORT);
}

TEST(Settings, ValuesBeyondWhatTheWindowCanShowAreBroughtToTheNearestBound) {
  FakeProfile profile;
  profile.Set(G, L"Colum", L"2147483647");
  profile.Set(G, L"FontSize", L"-4");
  profile.Set(G, L"Width", L"10000000");
  profile.Set(G, L"Height", L"0");
  profile.Set(G, L"LEFT", L"-2147483648");
  profile.Set(G, L"TOP", L"2147483647");
  TSettings settings = ReadSettings(profile, L"");
  EXPECT_EQ(settings.Colum, 10);
  EXPECT_EQ(settings.FontSize, 6);
  EXPECT_EQ(settings.Width, 32767);
  EXPECT_EQ(settings.Height, 100);
  EXPECT_EQ(settings.LEFT, -32767);
  EXPECT_EQ(settings.TOP, 32767);

  profile.Set(G, L"Colum", L"0");
  profile.Set(G, L"FontSize", L"73");
  settings = ReadSettings(profile, L"");
  EXPECT_EQ(settings.Colum, 1);
  EXPECT_EQ(settings.FontSize, 72);
}

TEST(Settings, SheetCountGrowsAndShrinksLeavingOldNamesInTheFile) {
  FakeProfile profile;
  profile.Set(G, L"TABCT", L"2");
  profile.Set(G, L"TAB0", L"A");
  profile.Set(G, L"TAB1", L"B");
  TSettings settings = ReadSettings(profile, L"");
  EXPECT_EQ(settings.SheetNames, (std::vector<std::wstring>{L"A", L"B"}));

  settings.SheetNames.push_back(L"C");
  SaveSettings(settings, profile);
  EXPECT_EQ(profile.ReadString(G, L"TABCT"), L"3");
  EXPECT_EQ(profile.ReadString(G, L"TAB2"), L"C");

  settings.SheetNames = {L"A"};
  SaveSettings(settings, profile);
  EXPECT_EQ(profile.ReadString(G, L"TABCT"), L"1");
  EXPECT_EQ(profile.ReadString(G, L"TAB1"), L"B");
  EXPECT_EQ(profile.ReadString(G, L"TAB2"), L"C");
  EXPECT_EQ(ReadSettings(profile, L"").SheetNames, (std::vector<std::wstring>{L"A"}));
}

TEST(Settings, SheetNamesPassedOverAreToldAndKeptInTheFile) {
  FakeProfile profile;
  profile.Set(G, L"TABCT", L"60");
  for (int i = 0; i < 60; ++i) profile.Set(G, L"TAB" + std::to_wstring(i), L"s" + std::to_wstring(i));
  for (const wchar_t* bad : {L"TAB1=a\\b", L"TAB2=..", L"TAB3=CON", L"TAB4=abc."}) {
    const std::wstring entry = bad;
    profile.Set(G, entry.substr(0, 4), entry.substr(5));
  }
  TSettings settings = ReadSettings(profile, L"");
  // The move-to menu holds 51 sheets.
  EXPECT_EQ(settings.SheetNames.size(), 51u);
  EXPECT_EQ(settings.SheetNames[1], L"s5");
  ASSERT_EQ(settings.PassedOverSheetNames.size(), 9u);
  EXPECT_EQ(settings.PassedOverSheetNames[0], L"a\\b");
  EXPECT_EQ(settings.PassedOverSheetNames[4], L"s55");
  EXPECT_EQ(PassedOverSheetsMessage(settings.PassedOverSheetNames),
            L"次のシートは開きませんでした。名前は設定ファイルにそのまま残してあるので、直すことが"
            L"できます。\n"
            L"ファイル名として使えない名前: 「a\\b」「..」「CON」「abc.」\n"
            L"シートは51までのため開かないシート: 「s55」「s56」「s57」「s58」「s59」");

  // After the sheets, so that the user can mend them.
  settings.SheetNames.resize(3);
  SaveSettings(settings, profile);
  EXPECT_EQ(profile.ReadString(G, L"TABCT"), L"12");
  EXPECT_EQ(profile.ReadString(G, L"TAB3"), L"a\\b");
  EXPECT_EQ(profile.ReadString(G, L"TAB11"), L"s59");
  // With room for them now, the sheets past the 51st open.
  EXPECT_EQ(ReadSettings(profile, L"").PassedOverSheetNames,
            (std::vector<std::wstring>{L"a\\b", L"..", L"CON", L"abc."}));
}

TEST(Settings, ADamagedSheetCountGivesWayToTheSheetNamesInTheFile) {
  const std::vector<std::wstring> users = {L"仕事", L"B"};
  for (std::wstring_view count : {L"-5", L"0", L"x", L"3", L"1000", L""}) {
    FakeProfile profile;
    if (!count.empty()) profile.Set(G, L"TABCT", count);
    profile.Set(G, L"TAB0", L"仕事");
    profile.Set(G, L"TAB1", std::wstring(600, L'n'));  // no sheet file can have this name
    profile.Set(G, L"TAB2", L"B");
    profile.Set(G, L"TAB3", L"");  // an empty key ends the names
    profile.Set(G, L"TAB4", L"stale");
    TSettings settings = ReadSettings(profile, L"");
    EXPECT_EQ(settings.SheetNames, users) << std::string(count.begin(), count.end());

    SaveSettings(settings, profile);
    // The name no file can have is kept after the sheets.
    EXPECT_EQ(profile.ReadString(G, L"TABCT"), L"3");
    EXPECT_EQ(profile.ReadString(G, L"TAB2"), std::wstring(600, L'n'));
    EXPECT_EQ(profile.ReadString(G, L"TAB3"), L"");
    EXPECT_EQ(profile.ReadString(G, L"TAB4"), L"stale");
  }
  // No name at all: the five default sheets.
  FakeProfile none;
  none.Set(G, L"TABCT", L"3");
  EXPECT_EQ(ReadSettings(none, L"").SheetNames, DefaultSheetNames());
}

TEST(Settings, DesktopReplacesArchiveFoldersWhenTheirDesktopFlagIsOn) {
  FakeProfile profile;
  profile.Set(G, L"MeltDir", L"D:\\elsewhere");
  profile.Set(G, L"FreezeDir", L"D:\\packs");
  profile.Set(G, L"MeltDLG", L"1");
  profile.Set(G, L"FreezeDLG", L"0");
  TSettings settings = ReadSettings(profile, L"C:\\Users\\me\\Desktop");
  EXPECT_EQ(settings.MeltDir, L"C:\\Users\\me\\Desktop");
  EXPECT_EQ(settings.FreezeDir, L"D:\\packs");

  SaveSettings(settings, profile);
  EXPECT_EQ(profile.ReadString(G, L"MeltDir"), L"C:\\Users\\me\\Desktop");

  // No desktop path from the shell: the stored folder is kept.
  profile.Set(G, L"MeltDir", L"D:\\elsewhere");
  EXPECT_EQ(ReadSettings(profile, L"").MeltDir, L"D:\\elsewhere");
}

TEST(WindowBounds, LeftMinusOneCentresWhateverTopSays) {
  TSettings settings;
  settings.LEFT = -1;
  settings.TOP = 77;
  const TScale normal;
  EXPECT_EQ(InitialWindowBounds(settings, 1024, 768, normal, normal),
            (TWindowBounds{346, 168, 331, 432}));
  settings.LEFT = 5;
  EXPECT_EQ(InitialWindowBounds(settings, 1024, 768, normal, normal),
            (TWindowBounds{5, 77, 331, 432}));
}

TEST(WindowBounds, TheFileKeepsSizesAt96DpiAndPlacesAtTheSystemsScale) {
  TSettings settings;
  settings.LEFT = 100;
  settings.TOP = 40;
  // A system at 150 %, the window opening on a monitor at 200 %.
  const TScale system(144);
  const TScale monitor(192);
  EXPECT_EQ(InitialWindowBounds(settings, 2048, 1536, system, monitor),
            (TWindowBounds{150, 60, 662, 864}));
  settings.LEFT = -1;  // centred on the primary monitor, at its scale
  EXPECT_EQ(InitialWindowBounds(settings, 1536, 1152, system, system),
            (TWindowBounds{519, 252, 497, 648}));

  TSettings saved;
  StoreWindowBounds(saved, {150, 60, 150 + 662, 60 + 864}, system, monitor);
  EXPECT_EQ((std::vector<int>{saved.LEFT, saved.TOP, saved.Width, saved.Height}),
            (std::vector<int>{100, 40, 331, 432}));
}

TEST(WindowBounds, TheCursorsMonitorTakesTheWindowAtItsPlaceInTheWorkAreaAndItsScale) {
  const TRect primary{0, 0, 1920, 1040};  // 150 %
  const TRect left{-1280, 0, 0, 984};     // 100 %, left of the primary one
  const TScale wide(144);
  const TScale normal(96);
  // 300 pixels from the primary work area's corner become 200 on the other.
  EXPECT_EQ(MoveToWorkArea({300, 150, 300 + 497, 150 + 648}, primary, wide, left, normal),
            (TRect{-1080, 100, -1080 + 331, 100 + 432}));
  // Near the right edge: kept whole on the smaller work area.
  EXPECT_EQ(MoveToWorkArea({1800, 900, 1800 + 497, 900 + 648}, primary, wide, left, normal),
            (TRect{-331, 984 - 432, 0, 984}));
  // Same scale: only the place moves.
  EXPECT_EQ(MoveToWorkArea({-1000, 20, -669, 452}, left, normal, {0, 0, 1024, 738}, normal),
            (TRect{280, 20, 611, 452}));
}

TEST(TimeServers, FourteenHostsAndNoneOutsideTheRange) {
  EXPECT_EQ(kTimeServers.size(), 14u);
  for (auto host : kTimeServers) EXPECT_FALSE(host.empty());
  EXPECT_EQ(TimeServerHost(1), kTimeServers[1]);
  EXPECT_EQ(TimeServerHost(14), std::nullopt);
  EXPECT_EQ(TimeServerHost(-1), std::nullopt);
}

TEST(WindowBounds, AWindowOffTheWorkAreaMovesOntoItKeepingItsSize) {
  const TRect work{0, 0, 1024, 738};
  EXPECT_EQ(KeepOnWorkArea({2000, 1500, 2331, 1932}, work), (TRect{693, 306, 1024, 738}));
  EXPECT_EQ(KeepOnWorkArea({-500, -40, -169, 392}, work), (TRect{0, 0, 331, 432}));
  EXPECT_EQ(KeepOnWorkArea({100, 100, 431, 532}, work), (TRect{100, 100, 431, 532}));
  // Larger than the area: its top-left corner stays on it.
  EXPECT_EQ(KeepOnWorkArea({-10, -10, 1090, 990}, work), (TRect{0, 0, 1100, 1000}));
  // A second monitor left of the primary one.
  EXPECT_EQ(KeepOnWorkArea({-300, 10, 31, 442}, {-1280, 0, 0, 1024}), (TRect{-331, 10, 0, 442}));
}

TEST(WindowBounds, APlaceMovedOnlyToBeSeenIsNotSavedUntilTheUserMovesTheWindow) {
  const TRect work{0, 0, 1024, 768};
  const TRect gone{2000, 1500, 2331, 1932};
  TWindowPlace place(gone);
  const TRect shown = place.Show(gone, work);
  EXPECT_EQ(shown, (TRect{693, 336, 1024, 768}));
  EXPECT_EQ(place.Saved(shown), gone);
  EXPECT_EQ(place.Show(shown, work), shown);  // shown again where it stands
  EXPECT_EQ(place.Saved(shown), gone);
  const TRect moved{10, 20, 341, 452};
  EXPECT_EQ(place.Saved(moved), moved);
  EXPECT_EQ(place.Show(moved, work), moved);
  EXPECT_EQ(place.Saved(moved), moved);
}

TEST(WindowBounds, MinimumSizeKeepsEveryToolButtonTheTabRowsAndTwoItemRowsVisible) {
  TMinimumSizeParts parts{.Scale = TScale(), .Frame = {8, 27}, .StatusBarHeight = 20,
                          .CellHeight = 36, .TabCount = 5, .WidestTab = 60, .TabRowHeight = 20,
                          .TabFrameHeight = 6, .SideWidth = 60, .WorkArea = {1024, 738}};
  // The tool bar's last button ends at 323.
  EXPECT_EQ(MinimumWindowSize(parts), (TSize{8 + 323, 250}));
  // At 150 % everything is half as large again.
  parts.Scale = TScale(144);
  parts.CellHeight = 54;
  parts.TabRowHeight = 30;
  EXPECT_EQ(MinimumWindowSize(parts), (TSize{8 + 485, 375}));
  // 51 large tabs: one per row would not fit the work area.
  parts.Scale = TScale();
  parts.CellHeight = 36;
  parts.TabCount = 51;
  parts.WidestTab = 150;
  parts.TabRowHeight = 30;
  const TSize minimum = MinimumWindowSize(parts);
  const int perRow = (minimum.Width - 60) / 150;
  const int rows = (51 + perRow - 1) / perRow;
  EXPECT_EQ(minimum.Height, 27 + 43 + rows * 30 + 6 + 28 + 2 * 36 + 20);
  EXPECT_LE(minimum.Height, 738) << "widened until the rows fit the work area";
}
