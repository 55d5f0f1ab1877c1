// Program entry: the hidden application window, the main window and the
// message loop.

#include <windows.h>
#include <commctrl.h>

#include "app/services/ColorPicker_win.h"
#include "app/services/OpenFileDialog_win.h"
#include "app/services/SystemServices_win.h"
#include "base/errors/MessageBoxes_win.h"
#include "app/activation/EmptyDesktopCheck_win.h"
#include "app/activation/SingleInstance_win.h"
#include "base/errors/ErrorBox_win.h"
#include "app/services/HookLibraryMouseHook_win.h"
#include "app/form/ZELK_win.h"
#include "app/launch/ShellRunner_win.h"
#include "app/launch/ShortcutResolver_win.h"
#include "app/shortcuts/ShellExecutor_win.h"
#include "app/shortcuts/SpecialFolders_win.h"
#include "base/win32/Handles_win.h"
#include "base/win32/Window_win.h"
#include "controls/SHBFFEX_win.h"
#include "net/ClockSeams_win.h"
#include "net/KiroTime_win.h"

namespace {

// The application's own window: titled "ZELK", never shown. It owns the main
// window, which therefore gets no taskbar button.
class TApplicationWindow final : public TWindow {
 public:
  explicit TApplicationWindow(HINSTANCE instance) {
    RegisterWindowClass(instance, L"TApplication", 0, nullptr);
    CreateWindowOf(WS_EX_TOOLWINDOW, L"TApplication", L"ZELK", WS_POPUP, RECT{}, nullptr, nullptr,
                   instance);
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    return DefaultHandling(message, wParam, lParam);
  }
};

}  // namespace

static int Run(HINSTANCE instance) {
  // A second ZELK would fight the first over the hook: it brings the first forward instead.
  const TSingleInstance instanceGuard;
  if (!instanceGuard.First()) {
    BringRunningInstanceForward(kMainWindowClass);
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  const TComApartment com;
  TWin32MessageBoxes messageBoxes;
  // Failures at any window's edge reach the user through the same boxes.
  const TErrorBoxRoute errorBoxRoute(messageBoxes);
  TWin32Shutdown shutdown;
  THtmlHelpViewer help;
  TKiroTime KiroTime1(messageBoxes);
  KiroTime1.TimeOut = 5000;
  TSystemClock clock;
  TInternetConnection connection;
  HWND owner = nullptr;
  TWin32ShellRunner shell(&owner);
  TShellLinkResolver shortcuts;
  TWin32ShellExecutor executor(&owner);
  TWin32SpecialFolders folders;
  THookLibraryMouseHook mouseHook;
  TEmptyDesktopCheck desktopTest;
  TWin32ColorPicker colorPicker;
  TShellFolderBrowserDialog folderBrowser;
  TWin32OpenFileDialog openFile;
  const TApplicationWindow application(instance);
  TZELKForm form(TProgramFiles{ProgramPath()},
                 TFormServices{messageBoxes, shutdown, help, shell, executor, folders, shortcuts,
                               mouseHook, desktopTest, KiroTime1, clock, connection, colorPicker,
                               folderBrowser, openFile});
  const HWND window = form.Create(instance, application.Handle());
  if (!window) return 1;
  owner = window;
  messageBoxes.SetOwner(window);
  ShowWindow(window, SW_SHOWNORMAL);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (form.ApplicationMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  try {
    return Run(instance);
  } catch (...) {
    ShowCurrentException(nullptr);
    return 1;
  }
}
