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

void ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Leave the end of the program to the message loop that owns it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void WaitAndProcessMessages() {
  MsgWaitForMultipleObjectsEx(0, nullptr, 5, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  ProcessMessages();
}
