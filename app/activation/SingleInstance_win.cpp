#include "app/activation/SingleInstance_win.h"

TSingleInstance::TSingleInstance()
    : mutex_(CreateMutexW(nullptr, FALSE, L"ZELKSingleInstance")),
      first_(!(mutex_ && GetLastError() == ERROR_ALREADY_EXISTS)) {}

void BringRunningInstanceForward(const wchar_t* mainWindowClass) {
  const HWND window = FindWindowW(mainWindowClass, nullptr);
  if (!window) return;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  // This process was just started by the user and may hand the foreground on.
  AllowSetForegroundWindow(process);
  PostMessageW(window, WM_HOTKEY, 0, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'N'));
}
