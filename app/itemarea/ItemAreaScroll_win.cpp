// The item area's scroll bar PaintBar and the mouse wheel: whole rows, over
// a range that reaches every occupied row of the sheet.

#include <algorithm>

#include "app/itemarea/ItemAreaWindow_win.h"

namespace {

// The rows one notch of the wheel scrolls, as the user set it for the system.
int RowsPerWheelNotch(int page) {
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return lines == WHEEL_PAGESCROLL ? page : static_cast<int>(lines);
}

}  // namespace

TItemAreaScroll TItemAreaWindow::Scroll() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return ItemAreaScroll(Shown(), settings_.Colum, client.bottom, cellHeight_);
}

int TItemAreaWindow::ScrollPosition() const { return GetScrollPos(paintBar_, SB_CTL); }

void TItemAreaWindow::UpdateScrollRange() {
  if (!paintBar_) return;
  const TItemAreaScroll scroll = Scroll();
  // The bar's last position is its maximum less the page plus one; the
  // system keeps the position within it.
  SCROLLINFO range{};
  range.cbSize = sizeof range;
  range.fMask = SIF_RANGE | SIF_PAGE;
  range.nMax = scroll.Maximum + scroll.Page - 1;
  range.nPage = static_cast<UINT>(scroll.Page);
  SetScrollInfo(paintBar_, SB_CTL, &range, TRUE);
}

void TItemAreaWindow::ScrollTo(int position) {
  position = std::clamp(position, 0, Scroll().Maximum);
  if (position == ScrollPosition()) return;
  SetScrollPos(paintBar_, SB_CTL, position, TRUE);
  Repaint();
}

void TItemAreaWindow::PaintBarChange(int request, int thumb) {
  const int position = ScrollPosition();
  const TItemAreaScroll scroll = Scroll();
  switch (request) {
    case SB_LINEUP:
      ScrollTo(position - 1);
      break;
    case SB_LINEDOWN:
      ScrollTo(position + 1);
      break;
    case SB_PAGEUP:
      ScrollTo(position - scroll.Page);
      break;
    case SB_PAGEDOWN:
      ScrollTo(position + scroll.Page);
      break;
    case SB_TOP:
      ScrollTo(0);
      break;
    case SB_BOTTOM:
      ScrollTo(scroll.Maximum);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      ScrollTo(thumb);
      break;
    default:
      break;
  }
}

void TItemAreaWindow::PAriaMouseWheel(int wheelDelta) {
  const TItemAreaScroll scroll = Scroll();
  ScrollTo(
      WheelScrollPosition(ScrollPosition(), wheelDelta, RowsPerWheelNotch(scroll.Page), scroll));
}

bool TItemAreaWindow::FormMouseWheel(HWND form, WPARAM wParam, LPARAM lParam) {
  const POINT cursor{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (WindowFromPoint(cursor) != Handle() && GetFocus() != form) return false;
  PAriaMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
  return true;
}
