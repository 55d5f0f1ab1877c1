#include "base/win32/HiddenWindow_win.h"

THiddenWindow::THiddenWindow(const wchar_t* className, WNDPROC procedure, void* object) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  if (!GetClassInfoW(instance, className, &windowClass)) {
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
  }
  handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, className, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, instance, nullptr);
  if (handle_) SetWindowLongPtrW(handle_, 0, reinterpret_cast<LONG_PTR>(object));
}

THiddenWindow::~THiddenWindow() {
  if (!handle_) return;
  SetWindowLongPtrW(handle_, 0, 0);
  DestroyWindow(handle_);
}

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
