#include "base/win32/Window_win.h"

#include <commctrl.h>

#include <utility>

#include "base/errors/ErrorBox_win.h"

namespace {

LRESULT AfterFailure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  // A failed WM_CREATE still leaves a window; everything else gets the
  // system's handling, so that a failed WM_PAINT does not repeat for ever.
  return message == WM_CREATE ? 0 : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

TWindow::~TWindow() {
  if (!handle_) return;
  // The derived parts are gone: the last messages get the system's handling.
  ForgetObject<TWindow>(handle_);
  DestroyWindow(std::exchange(handle_, nullptr));
}

TWindow* TWindow::FromHandle(HWND window) noexcept {
  if (!window ||
      GetClassLongPtrW(window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&Procedure)) {
    return nullptr;
  }
  return StoredObject<TWindow>(window);
}

void TWindow::RegisterWindowClass(HINSTANCE instance, const wchar_t* className, UINT style,
                                  HBRUSH background, HCURSOR cursor) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, className, &windowClass)) return;
  windowClass.style = style;
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = cursor;
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
}

HWND TWindow::CreateWindowOf(DWORD exStyle, const wchar_t* className, const wchar_t* caption,
                             DWORD style, RECT bounds, HWND parent, HMENU menuOrId,
                             HINSTANCE instance) {
  return CreateWindowExW(exStyle, className, caption, style, bounds.left, bounds.top,
                         bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                         menuOrId, instance, this);
}

void TWindow::ReportFailure() noexcept {
  ShowCurrentException(GetAncestor(handle_, GA_ROOT));
}

LRESULT CALLBACK TWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept {
  TWindow* arriving =
      message == WM_NCCREATE
          ? static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams)
          : nullptr;
  return ObjectThunk(window, message, wParam, lParam, arriving);
}

LRESULT TWindow::WithoutObject(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT TWindow::Failed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  ReportFailure();
  return AfterFailure(window, message, wParam, lParam);
}

LRESULT TWindow::Unbind(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  OnWindowGone();
  handle_ = nullptr;
  const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
  OnFinalMessage();
  return result;
}

TSubclass::~TSubclass() { Detach(); }

bool TSubclass::Attach(HWND window) {
  Detach();
  // The object is its own subclass id, so that several objects can see one
  // window (a control and the controls of its parent, say).
  if (!window || !SetWindowSubclass(window, &Procedure, reinterpret_cast<UINT_PTR>(this),
                                    reinterpret_cast<DWORD_PTR>(this))) {
    return false;
  }
  window_ = window;
  return true;
}

void TSubclass::Detach() noexcept {
  if (window_) RemoveWindowSubclass(window_, &Procedure, reinterpret_cast<UINT_PTR>(this));
  window_ = nullptr;
}

LRESULT TSubclass::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  return DefSubclassProc(window_, message, wParam, lParam);
}

void TSubclass::ReportFailure() noexcept { ShowCurrentException(GetAncestor(window_, GA_ROOT)); }

LRESULT CALLBACK TSubclass::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR object) noexcept {
  auto* self = reinterpret_cast<TSubclass*>(object);
  if (message == WM_NCDESTROY) {
    self->Detach();
    return DefSubclassProc(window, message, wParam, lParam);
  }
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    self->ReportFailure();
    return AfterFailure(window, message, wParam, lParam);
  }
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}
