#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/form/ControlIds.h"
#include "app/services/SystemServices_win.h"
#include "app/settings/PrivateProfile_win.h"
#include "app/sheets/SheetFiles.h"
#include "base/text/AnsiCodec_win.h"
#include "base/text/AnsiField.h"
#include "base/win32/Handles_win.h"
#include "tests/app/form/FormFixture_win.h"

namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

std::vector<std::wstring> TabNames(const TZELKForm& form) {
  std::vector<std::wstring> names;
  const HWND tabs = form.Control(kATab);
  for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
    wchar_t text[128] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 128;
    TabCtrl_GetItem(tabs, i, &item);
    names.emplace_back(text);
  }
  return names;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

TEST(MainWindow, FirstStartHasFiveSheetsACentredWindowAndTheDataFolder) {
  FormFixture f;
  TZELKForm& form = f.Create();
  EXPECT_EQ(TabNames(form), (std::vector<std::wstring>{L"一般", L"OFFICE", L"画像", L"通信", L"ｹﾞｰﾑ"}));
  RECT frame;
  GetWindowRect(form.Handle(), &frame);
  EXPECT_EQ(Width(frame), 331);
  EXPECT_EQ(Height(frame), 432);
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 331) / 2);
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 432) / 2);
  EXPECT_TRUE(Exists(f.ProgramFile(L"Data")));
  wchar_t caption[64];
  GetWindowTextW(form.Handle(), caption, 64);
  EXPECT_STREQ(caption, L"ZELK Ver." ZELK_VERSION_TEXT);
  const LONG style = GetWindowLongW(form.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(f.messageBoxes.errors.empty());
}

TEST(MainWindow, RegionsLieWhereTheLayoutPutsThemInTheirColours) {
  FormFixture f;
  f.WriteSettings("[\x90\x46]\r\nTopC=255\r\nTabBC=65280\r\nLeftC=16711680\r\nFoldaC=8421504\r\n");
  TZELKForm& form = f.Create();
  RECT client;
  GetClientRect(form.Handle(), &client);

  const RECT toolBar = f.ControlRect(kPanel1);
  EXPECT_EQ(toolBar.top, 0);
  EXPECT_EQ(Height(toolBar), 43);
  EXPECT_EQ(Width(toolBar), client.right);
  EXPECT_EQ(Width(f.ControlRect(kSysPanel)), 45);
  EXPECT_EQ(f.ControlRect(kSysPanel).top, 43);
  EXPECT_EQ(f.ControlRect(kStatusBar1).bottom, client.bottom);

  // Folder bar at the bottom of the tabs (RS_Direction 1), item panel 18
  // pixels narrower, scroll bar at 17 from the folder bar's right.
  const RECT folderBar = f.ControlRect(kPanel3);
  const RECT itemPanel = f.ControlRect(kPanel4);
  const RECT scrollBar = f.ControlRect(kPaintBar);
  EXPECT_EQ(Height(folderBar), 28);
  EXPECT_EQ(itemPanel.bottom, folderBar.top);
  EXPECT_EQ(Width(itemPanel), Width(folderBar) - 18);
  EXPECT_EQ(scrollBar.left, folderBar.left + Width(folderBar) - 17);
  EXPECT_EQ(scrollBar.top, itemPanel.top);
  EXPECT_EQ(Height(scrollBar), Height(itemPanel));

  EXPECT_EQ(f.BackgroundColor(kPanel1), RGB(255, 0, 0));
  EXPECT_EQ(f.BackgroundColor(kArcPnl), RGB(255, 0, 0));
  EXPECT_EQ(f.BackgroundColor(kPanel2), RGB(0, 255, 0));
  EXPECT_EQ(f.BackgroundColor(kSysPanel), RGB(0, 0, 255));
  EXPECT_EQ(f.BackgroundColor(kPanel3), RGB(128, 128, 128));

  // An empty sheet still scrolls to row 15.
  SCROLLINFO range{sizeof range, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  GetScrollInfo(form.Control(kPaintBar), SB_CTL, &range);
  EXPECT_EQ(range.nMin, 0);
  EXPECT_EQ(range.nMax - static_cast<int>(range.nPage) + 1, 15);
}

TEST(MainWindow, SettingsHideTheStatusAndQuickBarsAndPutTheFolderBarOnTop) {
  FormFixture f;
  f.WriteSettings("[\x90\xDD\x92\xE8]\r\nSTATUS_DISP=0\r\nLDISPMODE=0\r\nRS_Direction=0\r\n");
  TZELKForm& form = f.Create();
  EXPECT_FALSE(GetWindowLongW(form.Control(kStatusBar1), GWL_STYLE) & WS_VISIBLE);
  EXPECT_FALSE(GetWindowLongW(form.Control(kSysPanel), GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(SendMessageW(form.Control(kLDBtn), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(f.ControlRect(kATab).left, 0);
  EXPECT_EQ(f.ControlRect(kPanel4).top, f.ControlRect(kPanel3).bottom);
}

TEST(MainWindow, CloseButtonOnlyHidesAfterWritingBothFilesAndTheHotKeyBringsItBack) {
  FormFixture f;
  TZELKForm& form = f.Create();
  ShowWindow(form.Handle(), SW_SHOW);
  EXPECT_TRUE(form.Ready());

  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(IsWindow(form.Handle()));
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_FALSE(form.Shown());
  EXPECT_TRUE(Exists(f.ProgramFile(L"ZELK.ini")));
  EXPECT_TRUE(Exists(f.ProgramFile(L"DATA.INI")));

  SendMessageW(form.Handle(), WM_HOTKEY, kHotKeyId, 0);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  EXPECT_TRUE(form.Shown());
}

TEST(MainWindow, ExitAsksFirstAndEndsOnlyOnOk) {
  FormFixture f;
  TZELKForm& form = f.Create();
  const HWND window = form.Handle();
  f.messageBoxes.answer = false;
  form.KZELK1Click();
  EXPECT_TRUE(IsWindow(window));
  ASSERT_EQ(f.messageBoxes.confirmations.size(), 1u);
  EXPECT_EQ(f.messageBoxes.confirmations[0], L"ＺＥＬＫを終了します。よろしいですか？");
  EXPECT_FALSE(Exists(f.ProgramFile(L"ZELK.ini")));

  f.messageBoxes.answer = true;
  form.KZELK1Click();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(Exists(f.ProgramFile(L"ZELK.ini")));
  EXPECT_EQ(f.help.closeAlls, 1);
}

TEST(MainWindow, ShutdownAsksSavesRequestsAndEnds) {
  FormFixture f;
  TZELKForm& form = f.Create();
  const HWND window = form.Handle();
  f.messageBoxes.answer = false;
  form.KWindows1Click();
  EXPECT_EQ(f.shutdown.requests, 0);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(f.messageBoxes.confirmations.back(), L"Ｗｉｎｄｏｗｓを終了します。よろしいですか？");

  f.messageBoxes.answer = true;
  form.KWindows1Click();
  EXPECT_EQ(f.shutdown.requests, 1);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(Exists(f.ProgramFile(L"ZELK.ini")));
}

TEST(MainWindow, SelectingATabLoadsThatSheet) {
  FormFixture f;
  TZELKForm& form = f.Create();
  TSheetBuffer office;
  const TAnsiCodec codec;
  TLauncherItem& item = office.Items[0];
  wchar_t notepad[MAX_PATH];
  GetSystemDirectoryW(notepad, MAX_PATH);
  EncodeField(item.Target, std::wstring(notepad) + L"\\notepad.exe", codec);
  item.Slot = 0;
  office.Count = 1;
  const auto bytes = SheetFileBytes(office);
  WriteBytes(f.ProgramFile(L"Data\\OFFICE"), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));

  TabCtrl_SetCurSel(form.Control(kATab), 1);
  NMHDR change{form.Control(kATab), kATab, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(form.Handle(), WM_NOTIFY, kATab, reinterpret_cast<LPARAM>(&change));
  EXPECT_EQ(form.Sheet().Name(), L"OFFICE");
  EXPECT_EQ(form.Sheet().Buffer().Count, 1);
}

TEST(MainWindow, ADamagedFirstSheetIsReportedAndTheWindowRunsOn) {
  FormFixture f;
  CreateDirectoryW(f.ProgramFile(L"Data").c_str(), nullptr);
  WriteBytes(f.ProgramFile(L"Data\\一般"), std::vector<std::uint8_t>(10, 0));
  TZELKForm& form = f.Create();
  ASSERT_EQ(f.messageBoxes.errors.size(), 1u);
  EXPECT_NE(f.messageBoxes.errors[0].find(L"一般"), std::wstring::npos);
  EXPECT_EQ(form.PAria().CellHeight(), 36);  // the start-up steps after the sheet still ran
}

TEST(MainWindow, PopMenuCarriesTheItemAndSystemCommands) {
  FormFixture f;
  TZELKForm& form = f.Create();
  const HMENU pop = form.PopMenu();
  ASSERT_EQ(GetMenuItemCount(pop), 13);
  const auto caption = [&](int position) {
    wchar_t text[64] = {};
    GetMenuStringW(pop, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return std::wstring(text);
  };
  EXPECT_EQ(caption(0), L"登録アプリのフォルダを開く");
  EXPECT_EQ(caption(5), L"移動");
  EXPECT_EQ(caption(6), L"ファイルの登録...");
  EXPECT_EQ(caption(11), L"ZELKの終了");
  EXPECT_EQ(caption(12), L"Windows終了");
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(pop, 5)), 5);  // one entry per sheet
}

TEST(MainWindow, StatusBarShowsTheHintOfTheControlUnderTheMouse) {
  FormFixture f;
  TZELKForm& form = f.Create();
  const auto statusText = [&] {
    wchar_t text[64] = {};
    // A simple status bar answers for its one text under index 0.
    SendMessageW(form.Control(kStatusBar1), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return std::wstring(text);
  };
  MSG move{form.Control(kHelpBtn), WM_MOUSEMOVE, 0, 0, 0, {}};
  form.ApplicationMessage(move);
  EXPECT_EQ(statusText(), L"ヘルプ");
  move.hwnd = form.Control(kMyComBtn);
  form.ApplicationMessage(move);
  EXPECT_EQ(statusText(), L"マイコンピュータ");
  move.hwnd = form.Control(kPAria);
  form.ApplicationMessage(move);
  EXPECT_EQ(statusText(), L"");
}

TEST(MainWindow, HelpButtonOpensTheContentsOfTheHelpFileBesideTheProgram) {
  FormFixture f;
  TZELKForm& form = f.Create();
  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(kHelpBtn, BN_CLICKED),
               reinterpret_cast<LPARAM>(form.Control(kHelpBtn)));
  EXPECT_EQ(f.help.shown, std::vector<std::wstring>{f.ProgramFile(L"ZELK.CHM")});
}

TEST(HtmlHelp, AMissingHelpFileDoesNoHarm) {
  struct Visible {
    static BOOL CALLBACK Count(HWND window, LPARAM count) {
      if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
      return TRUE;
    }
  };
  const auto visibleWindows = [] {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &Visible::Count, reinterpret_cast<LPARAM>(&count));
    return count;
  };
  TTempFolder folder;
  const int before = visibleWindows();
  {
    THtmlHelpViewer viewer;
    viewer.ShowContents(folder.File(L"ZELK.CHM"));
    EXPECT_NE(GetModuleHandleW(L"hhctrl.ocx"), nullptr) << "the system's viewer was not asked";
    EXPECT_EQ(visibleWindows(), before) << "a window opened for a missing file";
    viewer.CloseAll();
  }
  EXPECT_EQ(GetModuleHandleW(L"hhctrl.ocx"), nullptr) << "the viewer library outlived the viewer";
}

TEST(MainWindowClock, TheFirstShowSetsTheClockFromTheChosenServerAskingForAFarTime) {
  FormFixture f;
  f.WriteSettings("[\x90\xDD\x92\xE8]\r\nAJCLK=1\r\nNTP=2\r\n");
  // The last time the protocol can tell: no build day lies after it. It lies
  // far from the clock (at 1900 here), so the user is asked first.
  f.timeSource.seconds = 0xFFFFFFFFu;
  TZELKForm& form = f.Create();
  EXPECT_TRUE(f.timeSource.hostsAsked.empty()) << "asked before the window was shown";
  ShowWindow(form.Handle(), SW_SHOW);
  ASSERT_EQ(f.timeSource.hostsAsked.size(), 1u);
  EXPECT_EQ(f.timeSource.hostsAsked[0], form.TimeServerHost());
  EXPECT_EQ(f.messageBoxes.confirmations.size(), 1u);
  ASSERT_EQ(f.clock.set.size(), 1u);
  EXPECT_EQ(f.clock.set[0].Year, 2036);
  EXPECT_EQ(f.clock.set[0].Month, 2);
  EXPECT_EQ(f.clock.set[0].Day, 7);
  EXPECT_EQ(f.clock.set[0].Hour, 6);
  EXPECT_FALSE(form.NetTimerEnabled());
}

TEST(MainWindowClock, StartUpWithoutConnectionAsksNothingAndRetriesByNetTimer) {
  FormFixture f;
  f.WriteSettings("[\x90\xDD\x92\xE8]\r\nAJCLK=1\r\n");
  f.connection.connected = false;
  TZELKForm& form = f.Create();
  ShowWindow(form.Handle(), SW_SHOW);
  EXPECT_TRUE(f.timeSource.hostsAsked.empty());
  EXPECT_TRUE(f.clock.set.empty());
  EXPECT_TRUE(form.NetTimerEnabled());
}

TEST(MainWindowClock, WithoutAJCLKStartUpMakesNoNetworkAccess) {
  FormFixture f;
  f.timeSource.seconds = 1u;
  TZELKForm& form = f.Create();
  ShowWindow(form.Handle(), SW_SHOW);
  EXPECT_TRUE(f.timeSource.hostsAsked.empty());
  EXPECT_EQ(f.connection.checks, 0);
  EXPECT_FALSE(form.NetTimerEnabled());
}

TEST(MainWindowClock, TheEndOfTheSessionOrTheExitCancelsARequestThatNeverAnswers) {
  FormFixture f;
  f.WriteSettings("[\x90\xDD\x92\xE8]\r\nAJCLK=1\r\n");
  TZELKForm& form = f.Create();
  // Inside the request, which never answers: the session ends, then the user
  // exits ZELK. Each cancels the request at once.
  std::vector<int> cancelsSeen;
  f.timeSource.whileWaiting = [&] {
    SendMessageW(form.Handle(), WM_ENDSESSION, TRUE, 0);
    cancelsSeen.push_back(f.timeSource.cancels);
    form.KZELK1Click();
    cancelsSeen.push_back(f.timeSource.cancels);
  };
  SendMessageW(form.Handle(), WM_TIMER, kNetTimerId, 0);
  EXPECT_EQ(cancelsSeen, (std::vector<int>{1, 2}));
  EXPECT_FALSE(IsWindow(form.Handle()));
  EXPECT_TRUE(f.clock.set.empty());
}

TEST(MainWindow, SheetNamesPassedOverAreToldOnceAndStayInTheSettingsFile) {
  FormFixture f;
  f.WriteSettings("[\x90\xDD\x92\xE8]\r\nTABCT=3\r\nTAB0=a\\b\r\nTAB1=Work\r\nTAB2=CON\r\n");
  TZELKForm& form = f.Create();
  EXPECT_EQ(TabNames(form), std::vector<std::wstring>{L"Work"});
  ASSERT_EQ(f.messageBoxes.informations.size(), 1u);
  EXPECT_NE(f.messageBoxes.informations[0].find(L"「a\\b」「CON」"), std::wstring::npos);
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  const TPrivateProfile saved(f.ProgramFile(L"ZELK.ini"));
  EXPECT_EQ(saved.ReadString(L"設定", L"TAB0"), L"Work");
  EXPECT_EQ(saved.ReadString(L"設定", L"TAB1"), L"a\\b");
  EXPECT_EQ(saved.ReadString(L"設定", L"TAB2"), L"CON");
  EXPECT_EQ(f.messageBoxes.informations.size(), 1u);
}

TEST(MainWindowClock, AServerIndexOutsideTheTableLeavesTheHostEmpty) {
  FormFixture f;
  f.WriteSettings("[\x90\xDD\x92\xE8]\r\nNTP=14\r\n");
  EXPECT_EQ(f.Create().TimeServerHost(), L"");
}

namespace {
void Notify(TZELKForm& form, UINT mouseMessage) {
  SendMessageW(form.Handle(), form.HookMessage(), mouseMessage, 0);
}
}  // namespace

TEST(MainWindowActivation, TheHookIsInstalledForTheWindowAndRemovedAtExit) {
  FormFixture f;
  TZELKForm& form = f.Create();
  EXPECT_EQ(f.mouseHook.receiver, reinterpret_cast<std::uintptr_t>(form.Handle()));
  EXPECT_EQ(form.HookMessage(), RegisterWindowMessageA("This is Mouse hook"));
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(f.mouseHook.removals, 0);  // the close button only hides
  form.KZELK1Click();
  EXPECT_EQ(f.mouseHook.removals, 1);
}

TEST(MainWindowActivation, AFailedMessageRegistrationIsReportedAndTheWindowRunsOn) {
  FormFixture f;
  f.mouseHook.name = "";
  TZELKForm& form = f.Create();
  EXPECT_EQ(f.messageBoxes.errors, std::vector<std::wstring>{L"Can't Regist Message "});
  EXPECT_TRUE(IsWindow(form.Handle()));
  EXPECT_FALSE(Exists(f.ProgramFile(L"Data")));  // the later start-up steps were skipped
}

TEST(MainWindowActivation, WallpaperClicksHideAndADoubleClickShowsWithTheGuard) {
  FormFixture f;
  TZELKForm& form = f.Create();
  Notify(form, WM_LBUTTONDBLCLK);
  EXPECT_FALSE(form.DblTimerRunning());  // not ready before the first show
  ShowWindow(form.Handle(), SW_SHOW);
  SetCursorPos(300, 300);
  Notify(form, WM_LBUTTONDOWN);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_FALSE(form.Shown());
  Notify(form, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  EXPECT_TRUE(form.Shown());
  EXPECT_TRUE(form.DblTimerRunning());
  Notify(form, WM_LBUTTONDOWN);  // within the guard: ignored
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  EXPECT_FALSE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);  // FowardBtn is up
}

TEST(MainWindowActivation, AClickOnASelectedIconDoesNothing) {
  FormFixture f;
  TZELKForm& form = f.Create();
  ShowWindow(form.Handle(), SW_SHOW);
  f.desktop.look.SelectedIcons = 1;
  SetCursorPos(300, 300);
  Notify(form, WM_LBUTTONDOWN);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST(MainWindow, TheQuickBarButtonTogglesTheBarAndTheOnTopButtonTheTopmostBand) {
  FormFixture f;
  TZELKForm& form = f.Create();
  const auto click = [&](int id) {
    SendMessageW(form.Control(id), BM_CLICK, 0, 0);
  };
  click(kLDBtn);
  EXPECT_EQ(form.Settings().LDISPMODE, 0);
  EXPECT_FALSE(GetWindowLongW(form.Control(kSysPanel), GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(f.ControlRect(kATab).left, 0);
  click(kLDBtn);
  EXPECT_EQ(form.Settings().LDISPMODE, 1);
  EXPECT_EQ(f.ControlRect(kATab).left, 45);

  ShowWindow(form.Handle(), SW_SHOW);  // the button is pressed on the shown window
  click(kFowardBtn);
  EXPECT_EQ(SendMessageW(form.Control(kFowardBtn), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  click(kFowardBtn);
  EXPECT_FALSE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(MainWindow, ToolButtonsTakeNoFocusAndShowDownPlainly) {
  FormFixture f;
  TZELKForm& form = f.Create();
  ShowWindow(form.Handle(), SW_SHOW);
  SetFocus(form.Handle());
  const HWND button = form.Control(kFowardBtn);
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(GetFocus(), form.Handle());
  EXPECT_EQ(SendMessageW(button, BM_GETCHECK, 0, 0), BST_CHECKED);

  // The share of the face in the highlight colour, down and up.
  const auto highlighted = [&] {
    RECT client;
    GetClientRect(button, &client);
    const TWindowDC screen(nullptr);
    const TMemoryDC memory(CreateCompatibleDC(screen.Get()));
    const TBitmap bitmap(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
    const TSelectObject selected(memory.Get(), bitmap.Get());
    SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT);
    int count = 0;
    for (int y = 0; y < client.bottom; ++y) {
      for (int x = 0; x < client.right; ++x) {
        count += GetPixel(memory.Get(), x, y) == GetSysColor(COLOR_HIGHLIGHT);
      }
    }
    return count * 100 / (client.right * client.bottom);
  };
  EXPECT_GT(highlighted(), 50);
  SendMessageW(button, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_EQ(highlighted(), 0);
}

TEST(MainWindow, ATabsCaptionIsCentredInItsRectangle) {
  FormFixture f;
  TZELKForm& form = f.Create();
  const TWindowDC screen(nullptr);
  const TMemoryDC memory(CreateCompatibleDC(screen.Get()));
  const TBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 80, 40));
  const TSelectObject selected(memory.Get(), bitmap.Get());
  const TSelectObject font(memory.Get(), GetStockObject(DEFAULT_GUI_FONT));
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_TAB;
  item.CtlID = kATab;
  item.itemID = 1;  // "OFFICE", an unselected tab
  item.hwndItem = form.Control(kATab);
  item.hDC = memory.Get();
  item.rcItem = {0, 0, 80, 40};
  SendMessageW(form.Handle(), WM_DRAWITEM, kATab, reinterpret_cast<LPARAM>(&item));
  const COLORREF background = GetPixel(memory.Get(), 0, 0);
  int first = -1;
  int last = -1;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 80; ++x) {
      if (GetPixel(memory.Get(), x, y) == background) continue;
      if (first < 0) first = y;
      last = y;
    }
  }
  ASSERT_GE(first, 0) << "no caption drawn";
  EXPECT_NEAR(first, 39 - last, 3) << "text rows " << first << "-" << last << " of 40";
}
