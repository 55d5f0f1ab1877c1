// A stand-in for the shell's desktop on a 1024 x 768 screen, for the
// end-to-end journeys:
//   zelk_desktop.exe progman ICONFILE PRESSFILE  "Progman" holds the desktop views;
//   zelk_desktop.exe workerw ICONFILE PRESSFILE  a "WorkerW" holds them, with a web view.
// The desktop takes the rows 0 to 559; an ordinary window "Ordinary window"
// takes the bottom strip (rows 560 to 767) beside it, the whole width. The
// icon's centre "x y" is written to ICONFILE. Every button press this
// program takes appends "message x y" to PRESSFILE once all mouse hooks have
// seen it, so a journey knows when the hook library has judged a click.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/e2e/desktop/DesktopWindows_win.h"

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kOrdinaryTop = 560;
constexpr UINT kLifetimeMs = 120'000;  // never outlive a test run

const wchar_t* pressFile = nullptr;

bool IsPress(WPARAM message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

// A hook of this thread only. The other hooks run first, inside
// CallNextHookEx, so a recorded press has been judged by the hook library,
// and its notification, if any, is posted.
LRESULT CALLBACK RecordPress(int code, WPARAM message, LPARAM info) noexcept {
  const LRESULT result = CallNextHookEx(nullptr, code, message, info);
  if (code == HC_ACTION && IsPress(message)) {
    const POINT point = reinterpret_cast<const MOUSEHOOKSTRUCT*>(info)->pt;
    if (FILE* file = _wfopen(pressFile, L"ab")) {
      std::fprintf(file, "%u %ld %ld\n", static_cast<unsigned>(message), point.x, point.y);
      std::fclose(file);
    }
  }
  return result;
}

void WriteIconCentre(const TStandInDesktop& desktop, const wchar_t* path) {
  const POINT centre = IconCentre(desktop);
  if (FILE* file = _wfopen(path, L"wb")) {
    std::fprintf(file, "%ld %ld\n", centre.x, centre.y);
    std::fclose(file);
  }
}

void CreateOrdinaryWindow() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"OrdinaryWindow";
  RegisterClassExW(&windowClass);
  CreateWindowExW(0, windowClass.lpszClassName, L"Ordinary window", WS_POPUP | WS_VISIBLE, 0,
                  kOrdinaryTop, kScreenWidth, kScreenHeight - kOrdinaryTop, nullptr, nullptr,
                  windowClass.hInstance, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (__argc < 4) return 2;
  const auto shape =
      std::wstring(__wargv[1]) == L"workerw" ? TDesktopShape::WorkerW : TDesktopShape::Progman;
  const TStandInDesktop desktop = CreateStandInDesktop(shape, kScreenWidth, kOrdinaryTop);
  WriteIconCentre(desktop, __wargv[2]);
  CreateOrdinaryWindow();
  pressFile = __wargv[3];
  // Not kept: the system removes the hook when this thread ends.
  SetWindowsHookExW(WH_MOUSE, RecordPress, nullptr, GetCurrentThreadId());
  SetTimer(nullptr, 0, kLifetimeMs, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
