#pragma once
// The shell's desktop windows: the icon view and the web view inside
// "SHELLDLL_DefView", which sits under "Progman" or, on later systems after a
// wallpaper slideshow or a virtual-desktop switch, under a "WorkerW".
// Used by the hook procedure on every mouse event, so it allocates nothing.

#include <windows.h>

// Not owned: the shell's windows.
struct TDesktopViews {
  HWND IconView = nullptr;  // "SysListView32"
  HWND WebView = nullptr;   // "Internet Explorer_Server"
};

[[nodiscard]] TDesktopViews FindDesktopViews() noexcept;

// Whether the window is one of the views; a view that was not found never matches.
[[nodiscard]] bool IsDesktopView(const TDesktopViews& views, HWND window) noexcept;

// The number of selected icons of the icon view; 0 without an icon view.
[[nodiscard]] int SelectedIconCount(HWND iconView) noexcept;
