#include "app/dialogs/PageBackground_win.h"

void TPageBackground::Capture(HWND tabs) {
  tabs_ = tabs;
  RECT bounds;
  GetClientRect(tabs, &bounds);
  const TWindowDC screen(tabs);
  const TMemoryDC memory(CreateCompatibleDC(screen.Get()));
  picture_.Reset(CreateCompatibleBitmap(screen.Get(), bounds.right, bounds.bottom));
  {
    const TSelectObject selected(memory.Get(), picture_.Get());
    // What the parent shows where the tab control paints nothing.
    FillRect(memory.Get(), &bounds, GetSysColorBrush(COLOR_BTNFACE));
    SendMessageW(tabs, WM_PRINT, reinterpret_cast<WPARAM>(memory.Get()),
                 PRF_CLIENT | PRF_ERASEBKGND);
  }
  brush_.Reset(CreatePatternBrush(picture_.Get()));
}

HBRUSH TPageBackground::ControlBrush(HDC dc, HWND control) const {
  POINT origin{0, 0};  // the tab control's corner, where the pattern begins
  MapWindowPoints(tabs_, control, &origin, 1);
  LPtoDP(dc, &origin, 1);
  SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
  SetBkMode(dc, TRANSPARENT);
  return brush_.Get();
}

void TPageBackground::PrintPage(HDC dc, HWND parent) const {
  RECT page;
  GetWindowRect(tabs_, &page);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&page), 2);
  POINT origin{page.left, page.top};
  LPtoDP(dc, &origin, 1);
  SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
  FillRect(dc, &page, brush_.Get());
}
