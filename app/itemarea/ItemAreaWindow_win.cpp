#include "app/itemarea/ItemAreaWindow_win.h"

#include <commctrl.h>

#include <algorithm>

#include "app/form/ControlIds.h"
#include "app/paint/GdiCanvas_win.h"
#include "base/errors/ErrorBox_win.h"
#include "base/win32/Handles_win.h"

namespace {

constexpr wchar_t kItemAreaClass[] = L"TPaintBox";

TPoint PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

TItemAreaWindow::TItemAreaWindow(TSettings& settings, TCurrentSheet& sheet,
                                 const TShellIconList& icons, const ITextCodec& codec,
                                 IMessageBoxes& messageBoxes, IItemAreaEvents& events)
    : settings_(settings),
      sheet_(sheet),
      icons_(icons),
      codec_(codec),
      messageBoxes_(messageBoxes),
      events_(events) {}

// The window goes while this object's handler can still see its messages.
TItemAreaWindow::~TItemAreaWindow() {
  if (Handle()) DestroyWindow(Handle());
}

void TItemAreaWindow::Create(HWND panel, HWND tabs, TFormControls& controls) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(panel, GWLP_HINSTANCE));
  RegisterWindowClass(instance, kItemAreaClass, CS_DBLCLKS, nullptr);
  controls.Add(kPAria,
               CreateWindowOf(0, kItemAreaClass, L"", WS_CHILD | WS_VISIBLE, {}, panel,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPAria)), instance));
  paintBar_ =
      controls.Add(kPaintBar, CreateChildControl(WC_SCROLLBARW, L"", SBS_VERT, tabs, kPaintBar));
  SCROLLINFO range{sizeof range, SIF_RANGE | SIF_POS | SIF_PAGE, 0, kMaxScrollPosition, 0, 0, 0};
  SetScrollInfo(paintBar_, SB_CTL, &range, FALSE);
}

void TItemAreaWindow::SetItemAreaFont() {
  const TWindowDC screen(nullptr);
  cellHeight_ = ::CellHeight(ItemAreaLook(settings_), GetDeviceCaps(screen.Get(), LOGPIXELSY));
}

int TItemAreaWindow::ScrollPosition() const { return GetScrollPos(paintBar_, SB_CTL); }

int TItemAreaWindow::PressedSlot() const {
  return SlotOfCell(mouse_.PressedCell(), settings_.Colum, ScrollPosition());
}

void TItemAreaWindow::Repaint() {
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateWindow(Handle());
}

void TItemAreaWindow::PAriaPaint(HDC dc, int width, int height) {
  const TItemAreaLook look = ItemAreaLook(settings_);
  TGdiCanvas canvas(dc, icons_.Handle(), itemFontColor_);
  TItemAreaPainter painter(canvas, look, sheet_.Buffer(), codec_);
  cellWidth_ = painter.Paint(width, height, cellHeight_, ScrollPosition());
  itemFontColor_ = canvas.FontColor();
}

void TItemAreaWindow::PaintBarChange(int request, int thumb) {
  const int position = GetScrollPos(paintBar_, SB_CTL);
  int next = position;
  switch (request) {
    case SB_LINEUP:
      next -= 1;
      break;
    case SB_LINEDOWN:
      next += 1;
      break;
    case SB_PAGEUP:
      next -= 10;
      break;
    case SB_PAGEDOWN:
      next += 10;
      break;
    case SB_TOP:
      next = 0;
      break;
    case SB_BOTTOM:
      next = kMaxScrollPosition;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      next = thumb;
      break;
    default:
      return;
  }
  next = std::clamp(next, 0, kMaxScrollPosition);
  if (next == position) return;
  SetScrollPos(paintBar_, SB_CTL, next, TRUE);
  Repaint();
}

void TItemAreaWindow::PaintToScreen() {
  const TPaintScope paint(Handle());
  RECT client;
  GetClientRect(Handle(), &client);
  // Painted off screen first, so that a repaint does not flicker.
  const TMemoryDC memory(CreateCompatibleDC(paint.Get()));
  const TBitmap bitmap(CreateCompatibleBitmap(paint.Get(), client.right, client.bottom));
  const TSelectObject selected(memory.Get(), bitmap.Get());
  PAriaPaint(memory.Get(), client.right, client.bottom);
  BitBlt(paint.Get(), 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}

LRESULT TItemAreaWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers the whole area
    case WM_LBUTTONDOWN:
      AppliGridMouseDown(TMouseButton::Left, PointOf(lParam));
      return 0;
    case WM_RBUTTONDOWN:
      AppliGridMouseDown(TMouseButton::Right, PointOf(lParam));
      return 0;
    case WM_MBUTTONDOWN:
      AppliGridMouseDown(TMouseButton::Middle, PointOf(lParam));
      return 0;
    case WM_LBUTTONDBLCLK:
      // Reported with the second press, just before it is handled as a press.
      PAriaDblClick();
      AppliGridMouseDown(TMouseButton::Left, PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) {
        PAriaDragDrop(PointOf(lParam));
      } else {
        PAriaMouseUp();
      }
      return 0;
    case WM_MOUSEMOVE:
      PAriaMouseMove(PointOf(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      if (dragging_ && reinterpret_cast<HWND>(lParam) != Handle()) EndDrag(false);
      return 0;
    case WM_TIMER:
      if (wParam == kHintTmId) HintTmTimer();
      return 0;
    case WM_PAINT:
      PaintToScreen();
      return 0;
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(Handle(), &client);
      PAriaPaint(reinterpret_cast<HDC>(wParam), client.right, client.bottom);
      return 0;
    }
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

void TItemAreaWindow::ReportFailure() noexcept {
  messageBoxes_.ShowError(CurrentExceptionMessage());
}
