// The window's place and size: kept on a monitor's work area whenever it is
// shown, never smaller than its parts need, saved where the user left it.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "app/form/ControlIds.h"
#include "app/form/Layout.h"
#include "app/form/ZELK_win.h"
#include "app/settings/WindowBounds.h"
#include "base/win32/Dpi_win.h"

namespace {

TRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

TRect WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return FromRect(r);
}

TRect WorkAreaOf(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  return FromRect(info.rcWork);
}

HMONITOR MonitorNearest(TRect window) {
  const RECT r{window.Left, window.Top, window.Right, window.Bottom};
  return MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST);
}

TRect WorkAreaNearest(TRect window) { return WorkAreaOf(MonitorNearest(window)); }

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

// The size follows the DPI of the monitor the window opens on.
void TZELKForm::PlaceFromSettings() {
  const TScale system(SystemDpi());
  const POINT corner = settings_.LEFT == -1 ? POINT{0, 0}
                                            : POINT{system.Pixels(TDip{settings_.LEFT}),
                                                    system.Pixels(TDip{settings_.TOP})};
  const TScale monitor(MonitorDpi(MonitorFromPoint(corner, MONITOR_DEFAULTTOPRIMARY)));
  const TWindowBounds bounds = InitialWindowBounds(settings_, GetSystemMetrics(SM_CXSCREEN),
                                                   GetSystemMetrics(SM_CYSCREEN), system, monitor);
  place_ = TWindowPlace(
      {bounds.Left, bounds.Top, bounds.Left + bounds.Width, bounds.Top + bounds.Height});
  placingOnMonitor_ = true;
  SetWindowPos(Handle(), nullptr, bounds.Left, bounds.Top, bounds.Width, bounds.Height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  placingOnMonitor_ = false;
  KeepOnScreen();
}

void TZELKForm::KeepOnScreen() {
  const TRect current = WindowRectOf(Handle());
  const TRect shown = place_.Show(current, WorkAreaNearest(current));
  if (shown == current) return;
  SetWindowPos(Handle(), nullptr, shown.Left, shown.Top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TZELKForm::MoveToCursorMonitor() {
  if (settings_.CURSOR_MONITOR == 0) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const HMONITOR to = MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST);
  const TRect current = WindowRectOf(Handle());
  const HMONITOR from = MonitorNearest(current);
  if (to == from) return;
  const TRect moved = place_.Move(current, MoveToWorkArea(current, WorkAreaOf(from), scale_,
                                                          WorkAreaOf(to), TScale(MonitorDpi(to))));
  // Drawn at the new monitor's DPI at the size computed for it.
  placingOnMonitor_ = true;
  SetWindowPos(Handle(), nullptr, moved.Left, moved.Top, moved.Width(), moved.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
  placingOnMonitor_ = false;
}

void TZELKForm::SavePlace() {
  StoreWindowBounds(settings_, place_.Saved(WindowRectOf(Handle())), TScale(SystemDpi()), scale_);
}

void TZELKForm::KeepMinimumSize() {
  ATab_.SetOneRow(!TabRowsFitWorkArea(MinimumSizeParts()));
  LayoutRegions();
  // The system brings a size below the minimum up to it.
  const TRect current = WindowRectOf(Handle());
  SetWindowPos(Handle(), nullptr, 0, 0, current.Width(), current.Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  KeepOnScreen();
}

void TZELKForm::FormGetMinMaxInfo(MINMAXINFO& info) const {
  if (!ATab_.Handle()) return;  // asked before the controls exist
  const TSize minimum = MinimumWindowSize(MinimumSizeParts());
  info.ptMinTrackSize = {minimum.Width, minimum.Height};
}

TMinimumSizeParts TZELKForm::MinimumSizeParts() const {
  RECT frame{};
  RECT client{};
  GetWindowRect(Handle(), &frame);
  GetClientRect(Handle(), &client);
  const HWND status = Control(kStatusBar1);
  RECT statusRect{};
  if (IsShown(status)) GetWindowRect(status, &statusRect);
  const TTabRows tabs = TabRowsOf(ATab_.Handle());
  const int frameWidth = (frame.right - frame.left) - client.right;
  const int quickBarWidth = IsShown(quickBar_.Panel()) ? scale_.Pixels(kQuickBarWidth) : 0;
  const TRect work = WorkAreaNearest(FromRect(frame));
  return {
      .Scale = scale_,
      .Frame = {frameWidth, (frame.bottom - frame.top) - client.bottom},
      .StatusBarHeight = statusRect.bottom - statusRect.top,
      .CellHeight = PAria_.CellHeight(),
      .TabCount = tabs.Count,
      .WidestTab = tabs.Widest,
      .TabRowHeight = tabs.RowHeight,
      .TabFrameHeight = tabs.FrameHeight,
      .SideWidth = frameWidth + quickBarWidth + tabs.SideWidth,
      .WorkArea = {work.Width(), work.Height()},
      .OneTabRow = ATab_.OneRow(),
  };
}
