#include "base/win32/Topmost_win.h"

void SetTopmost(HWND window, bool topmost) {
  constexpr UINT kInPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  // Wine places an owned window right above its owner; a hidden owner right
  // below the topmost band (an application window) would keep it in the
  // band. The owner goes to the bottom first, alone.
  const HWND owner = GetWindow(window, GW_OWNER);
  if (!topmost && owner) SetWindowPos(owner, HWND_BOTTOM, 0, 0, 0, 0, kInPlace | SWP_NOOWNERZORDER);
  SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kInPlace);
}
