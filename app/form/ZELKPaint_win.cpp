// The item area PAria: painting, fonts, cell size and the scroll bar.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "base/errors/ErrorBox_win.h"
#include "app/form/ControlIds.h"
#include "app/form/GdiCanvas_win.h"
#include "app/form/ZELK_win.h"
#include "app/paint/ItemArea.h"

TArrangeOptions TZELKForm::ArrangeOptions() const {
  return {.SORTMODE = settings_.SORTMODE, .AUTOSORT = settings_.AUTOSORT};
}

void TZELKForm::SetItemAreaFont() {
  const HDC screen = GetDC(nullptr);
  cellHeight_ = ::CellHeight(ItemAreaLook(settings_), GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
}

int TZELKForm::ScrollPosition() const { return GetScrollPos(Control(kPaintBar), SB_CTL); }

void TZELKForm::RepaintItemArea() {
  const HWND area = Control(kPAria);
  InvalidateRect(area, nullptr, FALSE);
  UpdateWindow(area);
}

void TZELKForm::PAriaPaint(HDC dc, int width, int height) {
  const TItemAreaLook look = ItemAreaLook(settings_);
  TGdiCanvas canvas(dc, icons_.Handle(), itemFontColor_);
  TItemAreaPainter painter(canvas, look, sheet_.Buffer(), codec_);
  cellWidth_ = painter.Paint(width, height, cellHeight_, ScrollPosition());
  itemFontColor_ = canvas.FontColor();
}

void TZELKForm::PaintBarChange(int request, int thumb) {
  const HWND bar = Control(kPaintBar);
  const int position = GetScrollPos(bar, SB_CTL);
  int next = position;
  switch (request) {
    case SB_LINEUP: next -= 1; break;
    case SB_LINEDOWN: next += 1; break;
    case SB_PAGEUP: next -= 10; break;
    case SB_PAGEDOWN: next += 10; break;
    case SB_TOP: next = 0; break;
    case SB_BOTTOM: next = kMaxScrollPosition; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: next = thumb; break;
    default: return;
  }
  next = std::clamp(next, 0, kMaxScrollPosition);
  if (next == position) return;
  SetScrollPos(bar, SB_CTL, next, TRUE);
  RepaintItemArea();
}

namespace {
TPoint PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}
}  // namespace

LRESULT CALLBACK TZELKForm::PAriaProc(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(
        reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* form = reinterpret_cast<TZELKForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  try {
    switch (message) {
      case WM_ERASEBKGND:
        return 1;  // the paint covers the whole area
      case WM_LBUTTONDOWN:
        form->AppliGridMouseDown(TMouseButton::Left, PointOf(lParam));
        return 0;
      case WM_RBUTTONDOWN:
        form->AppliGridMouseDown(TMouseButton::Right, PointOf(lParam));
        return 0;
      case WM_MBUTTONDOWN:
        form->AppliGridMouseDown(TMouseButton::Middle, PointOf(lParam));
        return 0;
      case WM_LBUTTONDBLCLK:
        // Reported with the second press, just before it is handled as a press.
        form->PAriaDblClick();
        form->AppliGridMouseDown(TMouseButton::Left, PointOf(lParam));
        return 0;
      case WM_LBUTTONUP:
        if (form->dragging_) {
          form->PAriaDragDrop(PointOf(lParam));
        } else {
          form->PAriaMouseUp();
        }
        return 0;
      case WM_MOUSEMOVE:
        form->PAriaMouseMove(PointOf(lParam));
        return 0;
      case WM_CAPTURECHANGED:
        if (form->dragging_ && reinterpret_cast<HWND>(lParam) != window) form->EndDrag(false);
        return 0;
      case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        // Painted off screen first, so that a repaint does not flicker.
        const HDC memory = CreateCompatibleDC(dc);
        const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
        const HGDIOBJ old = SelectObject(memory, bitmap);
        form->PAriaPaint(memory, client.right, client.bottom);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        EndPaint(window, &paint);
        return 0;
      }
      case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(window, &client);
        form->PAriaPaint(reinterpret_cast<HDC>(wParam), client.right, client.bottom);
        return 0;
      }
      default:
        break;
    }
  } catch (...) {
    form->services_.MessageBoxes.ShowError(CurrentExceptionMessage());
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
