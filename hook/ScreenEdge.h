#pragma once
// Where a click counts as a click at the screen edge, and which mouse
// messages are clicks. Shared by the hook library and the main window.

// The mouse message numbers that the hook reports.
inline constexpr unsigned kLButtonDown = 0x0201;    // WM_LBUTTONDOWN
inline constexpr unsigned kLButtonDblClk = 0x0203;  // WM_LBUTTONDBLCLK
inline constexpr unsigned kNCLButtonDown = 0x00A1;  // WM_NCLBUTTONDOWN

[[nodiscard]] constexpr bool IsReportedClick(unsigned message) {
  return message == kLButtonDown || message == kLButtonDblClk || message == kNCLButtonDown;
}

// The outermost pixel rows and columns of the primary screen, and the row
// 4 pixels above the bottom (where a bottom task bar's edge sits).
[[nodiscard]] constexpr bool IsScreenEdge(int x, int y, int width, int height) {
  return x == 0 || y == 0 || x == width - 1 || y == height - 1 || y == height - 4;
}
