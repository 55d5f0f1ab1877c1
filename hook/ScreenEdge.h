#pragma once
// Where a click counts as a click at the screen edge, and which mouse
// messages are clicks. Shared by the hook library and the main window.

#include "base/Geometry.h"

// The mouse message numbers that the hook reports.
inline constexpr unsigned kLButtonDown = 0x0201;    // WM_LBUTTONDOWN
inline constexpr unsigned kLButtonDblClk = 0x0203;  // WM_LBUTTONDBLCLK
inline constexpr unsigned kNCLButtonDown = 0x00A1;  // WM_NCLBUTTONDOWN

[[nodiscard]] constexpr bool IsReportedClick(unsigned message) {
  return message == kLButtonDown || message == kLButtonDblClk || message == kNCLButtonDown;
}

// The outermost pixel rows and columns of the monitor clicked, and the row
// 4 pixels above its bottom (where a bottom task bar's edge sits), all in
// the monitor's physical pixels; a monitor left of or above the primary
// one has negative coordinates.
[[nodiscard]] constexpr bool IsScreenEdge(TPoint cursor, TRect monitor) {
  return cursor.X == monitor.Left || cursor.Y == monitor.Top || cursor.X == monitor.Right - 1 ||
         cursor.Y == monitor.Bottom - 1 || cursor.Y == monitor.Bottom - 4;
}
