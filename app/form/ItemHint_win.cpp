#include "app/form/ItemHint_win.h"

#include "app/form/Metrics.h"
#include "base/win32/Dpi_win.h"
#include "base/win32/Handles_win.h"

namespace {
constexpr wchar_t kHintClass[] = L"TItemHintWindow";
constexpr UINT kTextFormat = DT_WORDBREAK | DT_NOPREFIX;
}  // namespace

LRESULT TItemHint::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefaultHandling(message, wParam, lParam);
  Paint();
  return 0;
}

void TItemHint::Paint() const {
  const TPaintScope paint(Handle());
  RECT client;
  GetClientRect(Handle(), &client);
  FillRect(paint.Get(), &client, GetSysColorBrush(COLOR_INFOBK));
  SetBkMode(paint.Get(), TRANSPARENT);
  SetTextColor(paint.Get(), GetSysColor(COLOR_INFOTEXT));
  const TSelectObject font(paint.Get(), font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  client.left += scale_.Pixels(kHintTextLeft);
  DrawTextW(paint.Get(), text_.c_str(), static_cast<int>(text_.size()), &client, kTextFormat);
}

void TItemHint::SetLook(HFONT font, TScale scale) {
  font_ = font;
  scale_ = scale;
}

void TItemHint::Show(HINSTANCE instance, const std::wstring& text) {
  if (!Handle()) {
    RegisterWindowClass(instance, kHintClass, 0, nullptr, nullptr);
    CreateWindowOf(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kHintClass, L"",
                   WS_POPUP | WS_BORDER, RECT{}, nullptr, nullptr, instance);
    if (!Handle()) return;
  }
  text_ = text;
  RECT bounds{0, 0, GetSystemMetrics(SM_CXSCREEN), 0};
  {
    const TWindowDC dc(Handle());
    const TSelectObject font(dc.Get(), font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc.Get(), text_.c_str(), static_cast<int>(text_.size()), &bounds,
              kTextFormat | DT_CALCRECT);
  }
  POINT cursor;
  GetCursorPos(&cursor);
  OffsetRect(&bounds, cursor.x, cursor.y + SystemMetricForDpi(SM_CYCAPTION, scale_.Dpi()));
  bounds.right += scale_.Pixels(kHintExtraWidth);
  bounds.bottom += scale_.Pixels(kHintExtraHeight);
  SetWindowPos(Handle(), HWND_TOPMOST, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TItemHint::Hide() {
  if (Handle()) DestroyWindow(Handle());
}
