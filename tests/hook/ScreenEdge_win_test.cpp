#include <gtest/gtest.h>

#include <windows.h>

#include "hook/ScreenEdge.h"
#include "hook/ScreenEdge_win.h"

namespace {

using TSetThreadDpiAwarenessContext = HANDLE(WINAPI*)(HANDLE);
const auto kUnaware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-1));

}  // namespace

// The hook runs in processes of every DPI awareness; at a scale other than
// 100 % a thread unaware of DPI sees a scaled desktop, in which the row 4
// pixels above the bottom lies elsewhere.
TEST(HookPixels, AThreadUnawareOfDpiSeesTheCursorAndItsMonitorInPhysicalPixels) {
  const auto setAwareness = reinterpret_cast<TSetThreadDpiAwarenessContext>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
  ASSERT_NE(setAwareness, nullptr);
  MONITORINFO primary{};
  primary.cbSize = sizeof primary;
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary);
  const RECT& screen = primary.rcMonitor;
  const POINT rowAboveBottom{300, screen.bottom - 4};
  ASSERT_TRUE(SetCursorPos(rowAboveBottom.x, rowAboveBottom.y));

  const HANDLE previous = setAwareness(kUnaware);
  POINT scaled{};
  GetCursorPos(&scaled);
  const TCursorOnMonitor seen = CursorOnMonitor();
  setAwareness(previous);

  EXPECT_EQ(seen.Cursor, (TPoint{rowAboveBottom.x, rowAboveBottom.y}));
  EXPECT_EQ(seen.Monitor, (TRect{screen.left, screen.top, screen.right, screen.bottom}));
  EXPECT_TRUE(IsScreenEdge(seen.Cursor, seen.Monitor));
  // Proof that the thread was unaware: at another scale it saw another point.
  HDC dc = GetDC(nullptr);
  const bool scaledDesktop = GetDeviceCaps(dc, LOGPIXELSY) != 96;
  ReleaseDC(nullptr, dc);
  if (scaledDesktop) {
    EXPECT_NE(scaled.y, rowAboveBottom.y);
  }
}
