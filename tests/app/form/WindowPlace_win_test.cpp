// The main window's place and size: on a monitor's work area, never smaller
// than its parts, repainted whole after a resize, saved at the session's end.

#include <gtest/gtest.h>

#include <windows.h>

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

TEST(MainWindowPlace, TheWindowShrinksNoFurtherThanItsTabRowsAndOneRowOfItems) {
  FormFixture f;
  TZELKForm& defaults = f.Create();
  MINMAXINFO limits{};
  SendMessageW(defaults.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_GE(limits.ptMinTrackSize.x, 200);
  EXPECT_GE(limits.ptMinTrackSize.y, 250);
  f.form.reset();

  // 52 sheets in large tabs: many rows.
  std::string settings = "[\x90\xDD\x92\xE8]\r\nFontSize=16\r\nTABCT=52\r\n";
  for (int i = 0; i < 52; ++i) {
    settings += "TAB" + std::to_string(i) + "=Sheet" + std::to_string(i) + "\r\n";
  }
  f.WriteSettings(settings);
  TZELKForm& form = f.Create();
  SetWindowPos(form.Handle(), nullptr, 0, 0, 112, 60, SWP_NOMOVE | SWP_NOZORDER);
  const RECT frame = WindowRect(form.Handle());
  EXPECT_GE(frame.right - frame.left, 200);
  RECT client{};
  GetClientRect(form.Handle(), &client);
  const RECT items = f.ControlRect(kPanel4);
  EXPECT_GE(items.bottom - items.top, form.PAria().CellHeight()) << "one row of items";
  EXPECT_LE(items.bottom, client.bottom);
  EXPECT_GE(items.top, 43) << "below the tool bar";
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
