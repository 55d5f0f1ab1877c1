// The main window's place and size: on a monitor's work area, never smaller
// than its parts, repainted whole after a resize, saved at the session's end.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/form/ControlIds.h"
#include "tests/app/form/FormFixture_win.h"

namespace {

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

bool OnWorkArea(const RECT& window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  return window.left >= work.left && window.top >= work.top && window.right <= work.right &&
         window.bottom <= work.bottom;
}

int Setting(const FormFixture& f, const wchar_t* key) {
  return static_cast<int>(
      GetPrivateProfileIntW(L"設定", key, -999, f.ProgramFile(L"ZELK.ini").c_str()));
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

TEST(MainWindowPlace, AWindowOffEveryMonitorOpensAndShowsOnTheWorkAreaKeepingItsSavedPlace) {
  FormFixture f;
  f.WriteSettings("[\x90\xDD\x92\xE8]\r\nLeft=2000\r\nTop=1500\r\nWidth=331\r\nHeight=432\r\n");
  TZELKForm& form = f.Create();
  RECT frame = WindowRect(form.Handle());
  EXPECT_TRUE(OnWorkArea(frame)) << frame.left << "," << frame.top;
  EXPECT_EQ(frame.right - frame.left, 331);
  EXPECT_EQ(frame.bottom - frame.top, 432);
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(Setting(f, L"Left"), 2000) << "only the user's own move changes the saved place";
  EXPECT_EQ(Setting(f, L"Top"), 1500);

  // Its monitor went while it was hidden: the hot key shows it on the one left.
  SetWindowPos(form.Handle(), nullptr, -3000, 2500, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageW(form.Handle(), WM_HOTKEY, kHotKeyId, 0);
  frame = WindowRect(form.Handle());
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  EXPECT_TRUE(OnWorkArea(frame)) << frame.left << "," << frame.top;
}

namespace {

// The settings of many sheets in tabs of a large font: many rows.
std::string SettingsWithSheets(int count, int fontSize, const std::string& prefix = "Sheet") {
  std::string settings = "[\x90\xDD\x92\xE8]\r\nFontSize=" + std::to_string(fontSize) +
                         "\r\nTABCT=" + std::to_string(count) + "\r\n";
  for (int i = 0; i < count; ++i) {
    settings += "TAB" + std::to_string(i) + "=" + prefix + std::to_string(i) + "\r\n";
  }
  return settings;
}

// Every tool button lies in the window and the item area holds two rows.
void ExpectUsable(const FormFixture& f) {
  RECT client{};
  GetClientRect(f.form->Handle(), &client);
  EXPECT_LE(f.ControlRect(kHelpBtn).right, client.right) << "the last tool button";
  const RECT items = f.ControlRect(kPAria);
  EXPECT_GE(items.bottom - items.top, 2 * f.form->PAria().CellHeight()) << "two rows of items";
  EXPECT_GE(items.top, f.ControlRect(kPanel1).bottom) << "below the tool bar";
  EXPECT_LE(items.bottom, client.bottom);
}

}  // namespace

TEST(MainWindowPlace, AtItsSmallestTheWindowShowsEveryToolButtonItsTabRowsAndTwoRowsOfItems) {
  FormFixture f;
  f.WriteSettings(SettingsWithSheets(51, 16));
  TZELKForm& form = f.Create();
  SetWindowPos(form.Handle(), nullptr, 0, 0, 112, 60, SWP_NOMOVE | SWP_NOZORDER);
  ExpectUsable(f);
}

TEST(MainWindowPlace, ALongSheetNameEndsInAnEllipsisWithinTheTabsWidth) {
  FormFixture f;
  f.WriteSettings(SettingsWithSheets(2, 9, std::string(49, 'W')));
  TZELKForm& form = f.Create();
  wchar_t text[128] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 128;
  TabCtrl_GetItem(form.Control(kATab), 0, &item);
  const std::wstring shown(text);
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back(), L'\u2026');
  EXPECT_EQ(shown.substr(0, 3), L"WWW");
  const HWND tabs = form.Control(kATab);
  const HDC dc = GetDC(tabs);
  const HGDIOBJ font =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(tabs, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
  SelectObject(dc, font);
  ReleaseDC(tabs, dc);
  EXPECT_LE(size.cx, 150) << "the name's width is capped";
  SetWindowPos(form.Handle(), nullptr, 0, 0, 112, 60, SWP_NOMOVE | SWP_NOZORDER);
  ExpectUsable(f);
}

TEST(MainWindowPlace, TabRowsThatWouldNotLeaveTwoRowsOfItemsOnTheScreenScrollInOneRow) {
  FormFixture f;
  f.WriteSettings(SettingsWithSheets(51, 72));
  TZELKForm& form = f.Create();
  EXPECT_FALSE(GetWindowLongW(form.Control(kATab), GWL_STYLE) & TCS_MULTILINE);
  ExpectUsable(f);
  EXPECT_TRUE(OnWorkArea(WindowRect(form.Handle())));

  // Few sheets in that font fit in rows again.
  f.form.reset();
  f.WriteSettings(SettingsWithSheets(5, 72));
  TZELKForm& few = f.Create();
  EXPECT_TRUE(GetWindowLongW(few.Control(kATab), GWL_STYLE) & TCS_MULTILINE);
  ExpectUsable(f);
}

TEST(MainWindowPlace, AResizeRepaintsTheToolBarAndTheStatusBarWhole) {
  FormFixture f;
  TZELKForm& form = f.Create();
  ShowWindow(form.Handle(), SW_SHOW);
  UpdateWindow(form.Handle());
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  const RECT frame = WindowRect(form.Handle());
  SetWindowPos(form.Handle(), nullptr, 0, 0, frame.right - frame.left + 60,
               frame.bottom - frame.top + 40, SWP_NOMOVE | SWP_NOZORDER);
  for (const int id : {kPanel1, kStatusBar1}) {
    RECT client{};
    RECT update{};
    GetClientRect(form.Control(id), &client);
    GetUpdateRect(form.Control(id), &update, FALSE);
    EXPECT_TRUE(EqualRect(&client, &update)) << "control " << id << " repaints " << update.left
                                             << "-" << update.right << " of " << client.right;
  }
}

TEST(MainWindowPlace, TheEndOfTheSessionSavesWhatACloseSavesOnce) {
  FormFixture f;
  TZELKForm& form = f.Create();
  SetWindowPos(form.Handle(), nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_TRUE(SendMessageW(form.Handle(), WM_QUERYENDSESSION, 0, 0));
  SendMessageW(form.Handle(), WM_ENDSESSION, FALSE, 0);  // another program refused
  EXPECT_FALSE(Exists(f.ProgramFile(L"ZELK.ini")));
  SendMessageW(form.Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(Setting(f, L"Left"), 100);
  EXPECT_EQ(Setting(f, L"Top"), 120);
  EXPECT_EQ(Setting(f, L"TABCT"), 5);
  EXPECT_TRUE(Exists(f.ProgramFile(L"DATA.INI")));
}
