// Tells a journey what the system knows of ZELK's main window and X cannot
// show without a window manager: without arguments "topmost" or "not
// topmost"; with "ArcPnl" the screen position "X Y" of the extract target's
// centre.

#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "app/form/ControlIds.h"

namespace {

struct TChildSearch {
  int id;
  HWND found;
};

BOOL CALLBACK FindChild(HWND child, LPARAM parameter) {
  auto& search = *reinterpret_cast<TChildSearch*>(parameter);
  if (GetDlgCtrlID(child) != search.id) return TRUE;
  search.found = child;
  return FALSE;
}

int PrintCentre(HWND form, int id) {
  TChildSearch search{id, nullptr};
  EnumChildWindows(form, FindChild, reinterpret_cast<LPARAM>(&search));
  RECT place;
  if (!search.found || !GetWindowRect(search.found, &place)) {
    std::puts("no control");
    return 1;
  }
  std::printf("%ld %ld\n", (place.left + place.right) / 2, (place.top + place.bottom) / 2);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const HWND form = FindWindowW(L"TZELKForm", nullptr);
  if (!form) {
    std::puts("no window");
    return 1;
  }
  if (argc > 1 && std::wcscmp(argv[1], L"ArcPnl") == 0) return PrintCentre(form, kArcPnl);
  std::puts(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_TOPMOST ? "topmost" : "not topmost");
  return 0;
}
