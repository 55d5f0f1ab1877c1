#include "archive/ProgressWindow_win.h"

#include <stdexcept>

#include "base/errors/ErrorBox_win.h"

namespace {
const wchar_t kClassName[] = L"TArchiveFileProgress";

}  // namespace

UINT ArcExtractMessage() {
  static const UINT message = RegisterWindowMessageW(L"wm_arcextract");
  return message;
}

TProgressWindow::TProgressWindow(TProgressHandler handler) : handler_(std::move(handler)) {
  static const ATOM atom = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
  }();
  if (!atom) throw std::runtime_error("progress window class not registered");
  // Hidden: never shown, it only receives the libraries' messages.
  window_ = CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (!window_) throw std::runtime_error("progress window not created");
}

TProgressWindow::~TProgressWindow() { DestroyWindow(window_); }

std::unique_ptr<IProgressWindow> TProgressWindow::Create(TProgressHandler handler) {
  return std::make_unique<TProgressWindow>(std::move(handler));
}

LRESULT CALLBACK TProgressWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  } else if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  }
  auto* self = reinterpret_cast<TProgressWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && message == ArcExtractMessage()) return self->OnArcExtract(wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT TProgressWindow::OnArcExtract(WPARAM state, LPARAM info) {
  try {
    return handler_(static_cast<int>(state), reinterpret_cast<void*>(info)) ? 1 : 0;
  } catch (...) {
    // A failing handler is shown, and the library is asked to stop.
    ShowCurrentException(window_);
    return 1;
  }
}
