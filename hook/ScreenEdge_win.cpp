#include "hook/ScreenEdge_win.h"

namespace {

// The thread's DPI awareness (Windows 10 1607 on; not on Windows 7).
using TSetThreadDpiAwarenessContext = HANDLE(WINAPI*)(HANDLE);
constexpr INT_PTR kPerMonitorAwareV2 = -4;  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
constexpr INT_PTR kPerMonitorAware = -3;    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE

HANDLE AwarenessContext(INT_PTR value) noexcept { return reinterpret_cast<HANDLE>(value); }

}  // namespace

TCursorOnMonitor CursorOnMonitor() noexcept {
  // Looked up at each click: no state of its own in the processes the hook
  // is loaded into.
  const auto setAwareness = reinterpret_cast<TSetThreadDpiAwarenessContext>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
  // For these calls the thread sees every monitor in its own pixels; a
  // system without the second kind of awareness takes the first.
  HANDLE previous = nullptr;
  if (setAwareness) {
    previous = setAwareness(AwarenessContext(kPerMonitorAwareV2));
    if (!previous) previous = setAwareness(AwarenessContext(kPerMonitorAware));
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor);
  if (previous) setAwareness(previous);
  const RECT& r = monitor.rcMonitor;
  return {{cursor.x, cursor.y}, {r.left, r.top, r.right, r.bottom}};
}
