// The window's place and size: kept on a monitor's work area whenever it is
// shown, never smaller than its parts need, saved where the user left it.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "app/form/ControlIds.h"
#include "app/form/Layout.h"
#include "app/form/ZELK_win.h"
#include "app/settings/WindowBounds.h"

namespace {

TRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

TRect WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return FromRect(r);
}

TRect WorkAreaNearest(TRect window) {
  const RECT r{window.Left, window.Top, window.Right, window.Bottom};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor);
  return FromRect(monitor.rcWork);
}

// The parts of the tab control's height: its rows and what is neither a
// row nor its display area, as the control itself tells.
struct TTabRows {
  int Count = 0;
  int Widest = 0;
  int RowHeight = 0;
  int FrameHeight = 0;
  int SideWidth = 0;  // the control's width beside its rows
};

TTabRows TabRowsOf(HWND tabs) {
  TTabRows rows;
  RECT client{};
  GetClientRect(tabs, &client);
  RECT display = client;
  TabCtrl_AdjustRect(tabs, FALSE, &display);
  RECT item{};
  TabCtrl_GetItemRect(tabs, 0, &item);
  rows.RowHeight = item.bottom - item.top;
  rows.FrameHeight = (client.bottom - display.bottom) + (display.top - client.top) -
                     TabCtrl_GetRowCount(tabs) * rows.RowHeight;
  rows.SideWidth = (client.right - client.left) - (display.right - display.left);
  // Tabs stretched to fill their row only make the widest one wider.
  rows.Count = TabCtrl_GetItemCount(tabs);
  for (int i = 0; i < rows.Count; ++i) {
    TabCtrl_GetItemRect(tabs, i, &item);
    rows.Widest = std::max(rows.Widest, static_cast<int>(item.right - item.left));
  }
  return rows;
}

}  // namespace

void TZELKForm::PlaceFromSettings(const TWindowBounds& bounds) {
  place_ = TWindowPlace(
      {bounds.Left, bounds.Top, bounds.Left + bounds.Width, bounds.Top + bounds.Height});
  SetWindowPos(Handle(), nullptr, bounds.Left, bounds.Top, bounds.Width, bounds.Height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  KeepOnScreen();
}

void TZELKForm::KeepOnScreen() {
  const TRect current = WindowRectOf(Handle());
  const TRect shown = place_.Show(current, WorkAreaNearest(current));
  if (shown == current) return;
  SetWindowPos(Handle(), nullptr, shown.Left, shown.Top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TZELKForm::SavePlace() {
  const TRect saved = place_.Saved(WindowRectOf(Handle()));
  settings_.LEFT = saved.Left;
  settings_.TOP = saved.Top;
  settings_.Width = saved.Width();
  settings_.Height = saved.Height();
}

void TZELKForm::FormGetMinMaxInfo(MINMAXINFO& info) const {
  if (!ATab_.Handle()) return;  // asked before the controls exist
  RECT frame{};
  RECT client{};
  GetWindowRect(Handle(), &frame);
  GetClientRect(Handle(), &client);
  const HWND status = Control(kStatusBar1);
  RECT statusRect{};
  if (IsShown(status)) GetWindowRect(status, &statusRect);
  const TTabRows tabs = TabRowsOf(ATab_.Handle());
  const int frameWidth = (frame.right - frame.left) - client.right;
  const int quickBarWidth = IsShown(quickBar_.Panel()) ? kQuickBarWidth : 0;
  const TRect work = WorkAreaNearest(FromRect(frame));
  const TSize minimum = MinimumWindowSize({
      .Frame = {frameWidth, (frame.bottom - frame.top) - client.bottom},
      .StatusBarHeight = statusRect.bottom - statusRect.top,
      .CellHeight = PAria_.CellHeight(),
      .TabCount = tabs.Count,
      .WidestTab = tabs.Widest,
      .TabRowHeight = tabs.RowHeight,
      .TabFrameHeight = tabs.FrameHeight,
      .SideWidth = frameWidth + quickBarWidth + tabs.SideWidth,
      .WorkArea = {work.Width(), work.Height()},
  });
  info.ptMinTrackSize = {minimum.Width, minimum.Height};
}
