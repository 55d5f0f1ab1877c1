#include "app/form/ZELK_win.h"

#include "app/errors/ErrorBox_win.h"
#include "app/form/ProgramFiles_win.h"
#include "app/settings/PrivateProfile_win.h"
#include "app/settings/WindowBounds.h"
#include "app/sheets/DataIni.h"

TZELKForm::TZELKForm() : files_(ProgramFolder(), store_), sheet_(files_, icons_, codec_) {}

HWND TZELKForm::Create(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClass;
  RegisterClassExW(&windowClass);
  // A sizeable frame with a system menu and no minimise or maximise button.
  return CreateWindowExW(0, kMainWindowClass, kMainWindowCaption,
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                         this);
}

LRESULT CALLBACK TZELKForm::WindowProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<TZELKForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<TZELKForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    form->handle_ = nullptr;
  }
  LRESULT result = 0;
  bool handled = false;
  RunGuarded(window, [&] {
    result = form->HandleMessage(message, wParam, lParam);
    handled = true;
  });
  return handled ? result : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT TZELKForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      FormCreate();
      return 0;
    case WM_CLOSE:
      FormClose();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(handle_, message, wParam, lParam);
  }
}

TArrangeOptions TZELKForm::ArrangeOptions() const {
  return {.SORTMODE = settings_.SORTMODE, .AUTOSORT = settings_.AUTOSORT};
}

void TZELKForm::FormCreate() {
  settings_ = ReadSettings(TPrivateProfile(SettingsFilePath()), DesktopFolder());
  const TWindowBounds bounds = InitialWindowBounds(settings_, GetSystemMetrics(SM_CXSCREEN),
                                                   GetSystemMetrics(SM_CYSCREEN));
  MoveWindow(handle_, bounds.Left, bounds.Top, bounds.Width, bounds.Height, FALSE);
  files_.EnsureDataFolder();
  sheet_.Load(settings_.SheetNames.front(), ArrangeOptions());
}

void TZELKForm::SaveSettings() {
  RECT frame{};
  GetWindowRect(handle_, &frame);
  settings_.LEFT = frame.left;
  settings_.TOP = frame.top;
  settings_.Width = frame.right - frame.left;
  settings_.Height = frame.bottom - frame.top;
  // Write failures of the settings are not reported.
  TProfileTransaction settingsFile(SettingsFilePath());
  ::SaveSettings(settings_, settingsFile.Profile());
  (void)settingsFile.Commit();
  TProfileTransaction dataIni(DataIniPath());
  WriteDataIni(sheet_.Buffer(), dataIni.Profile(), codec_);
  (void)dataIni.Commit();
}

void TZELKForm::FormClose() {
  SaveSettings();
  DestroyWindow(handle_);
}
