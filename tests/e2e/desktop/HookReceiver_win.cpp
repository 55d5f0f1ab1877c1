// The receiving end of the mouse hook, for the end-to-end journeys:
//   zelk_hook_receiver.exe LOGFILE  installs the hook for a hidden window
//       "ZELK hook receiver" and appends one line per notification: the mouse
//       message number and the desktop test's verdict ("desktop" for the
//       empty desktop, else "away"). The first line is "SetHook 1" (or 0).
//       Like the main window with DBLMODE 0, a button-down on the empty
//       desktop hides the window and a double-click there shows it. The hook
//       is removed when the window closes.
//   zelk_hook_receiver.exe --remove LOGFILE  only calls RemoveHook, as a
//       process that never installed the hook, writes "removed" and ends.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/activation/EmptyDesktopCheck_win.h"
#include "hook/zelkhook_win.h"

namespace {

constexpr UINT_PTR kLifetimeTimer = 1;
constexpr UINT kLifetimeMs = 120'000;  // never outlive a test run

std::wstring logPath;
UINT hookMessage = 0;

void AppendLine(const std::string& line) {
  if (FILE* file = _wfopen(logPath.c_str(), L"ab")) {
    std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
  }
}

void Notification(HWND window, WPARAM mouseMessage) {
  TEmptyDesktopCheck desktop;
  const bool onDesktop = IsEmptyDesktop(desktop.Look());
  AppendLine(std::to_string(mouseMessage) + (onDesktop ? " desktop" : " away"));
  if (!onDesktop) return;
  if (mouseMessage == WM_LBUTTONDOWN) ShowWindow(window, SW_HIDE);
  if (mouseMessage == WM_LBUTTONDBLCLK) ShowWindow(window, SW_SHOWNOACTIVATE);
}

LRESULT CALLBACK ReceiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (hookMessage != 0 && message == hookMessage) {
    Notification(window, wParam);
    return 0;
  }
  switch (message) {
    case WM_TIMER:
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      RemoveHook();
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

HWND CreateReceiver(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = ReceiverProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"ZELKHookReceiver";
  RegisterClassExW(&windowClass);
  return CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"ZELK hook receiver",
                         WS_POPUP | WS_BORDER, 800, 20, 200, 100, nullptr, nullptr, instance,
                         nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const int count = __argc;
  wchar_t** arguments = __wargv;
  if (count < 2) return 2;
  const bool removeOnly = count == 3 && std::wstring(arguments[1]) == L"--remove";
  logPath = arguments[count - 1];
  if (removeOnly) {
    RemoveHook();
    AppendLine("removed");
    return 0;
  }
  HWND window = CreateReceiver(instance);
  hookMessage = RegisterWindowMessageA(GetHookMsgString());
  AppendLine(SetHook(window) ? "SetHook 1" : "SetHook 0");
  SetTimer(window, kLifetimeTimer, kLifetimeMs, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
