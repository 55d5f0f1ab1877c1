#include "base/win32/HiddenWindow_win.h"

#include "base/errors/ErrorBox_win.h"

THiddenWindow::THiddenWindow(const wchar_t* className, IMessageBoxes& messageBoxes)
    : messageBoxes_(messageBoxes) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClass(instance, className, 0, nullptr);
  CreateWindowOf(WS_EX_TOOLWINDOW, className, L"", WS_POPUP, RECT{}, nullptr, nullptr, instance);
}

THiddenWindow::~THiddenWindow() {
  // The base would destroy it too late: its messages would find no handler.
  if (Handle()) DestroyWindow(Handle());
}

void THiddenWindow::ReportFailure() noexcept { messageBoxes_.ShowError(CurrentExceptionMessage()); }
