#include "app/dialogs/ModalDialog_win.h"

#include <string>
#include <utility>

int TModalDialog::RunModal(HWND owner, const wchar_t* templateName) {
  failure_ = nullptr;
  const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), templateName, owner,
                                         &DialogProc, reinterpret_cast<LPARAM>(this));
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
  return static_cast<int>(result);
}

void TModalDialog::CenterOnScreen() const {
  RECT rect{};
  GetWindowRect(handle_, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  SetWindowPos(handle_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK TModalDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                          LPARAM lParam) noexcept {
  auto* arriving = message == WM_INITDIALOG ? reinterpret_cast<TModalDialog*>(lParam) : nullptr;
  return ObjectThunk(dialog, message, wParam, lParam, arriving);
}

INT_PTR TModalDialog::Failed(HWND dialog, UINT, WPARAM, LPARAM) noexcept {
  failure_ = std::current_exception();
  EndDialog(dialog, IDCANCEL);
  return TRUE;
}

INT_PTR TModalDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return TRUE;  // the system focuses the first control
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    default: {
      INT_PTR result = FALSE;
      return OnMessage(message, wParam, lParam, result) ? result : FALSE;
    }
  }
}
