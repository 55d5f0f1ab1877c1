#include "app/form/ItemHint_win.h"

namespace {
constexpr wchar_t kHintClass[] = L"TItemHintWindow";
constexpr UINT kTextFormat = DT_WORDBREAK | DT_NOPREFIX;
}  // namespace

LRESULT CALLBACK TItemHint::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  auto* hint = reinterpret_cast<const TItemHint*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (hint) {
    client.left += 2;
    DrawTextW(dc, hint->text_.c_str(), static_cast<int>(hint->text_.size()), &client, kTextFormat);
  }
  EndPaint(window, &paint);
  return 0;
}

void TItemHint::Show(HINSTANCE instance, const std::wstring& text) {
  if (!window_) {
    WNDCLASSEXW hintClass{};
    hintClass.cbSize = sizeof hintClass;
    hintClass.lpfnWndProc = WindowProc;
    hintClass.hInstance = instance;
    hintClass.lpszClassName = kHintClass;
    RegisterClassExW(&hintClass);
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kHintClass, L"",
                              WS_POPUP | WS_BORDER, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  text_ = text;
  RECT bounds{0, 0, GetSystemMetrics(SM_CXSCREEN), 0};
  const HDC dc = GetDC(window_);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &bounds, kTextFormat | DT_CALCRECT);
  ReleaseDC(window_, dc);
  POINT cursor;
  GetCursorPos(&cursor);
  OffsetRect(&bounds, cursor.x, cursor.y + GetSystemMetrics(SM_CYCAPTION));
  bounds.right += 6;
  bounds.bottom += 2;
  SetWindowPos(window_, HWND_TOPMOST, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(window_, nullptr, TRUE);
}

void TItemHint::Hide() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
}
