// Tells a journey what the system knows of ZELK's main window and X cannot
// show without a window manager: "topmost" or "not topmost".

#include <windows.h>

#include <cstdio>

int wmain() {
  const HWND form = FindWindowW(L"TZELKForm", nullptr);
  if (!form) {
    std::puts("no window");
    return 1;
  }
  std::puts(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_TOPMOST ? "topmost" : "not topmost");
  return 0;
}
