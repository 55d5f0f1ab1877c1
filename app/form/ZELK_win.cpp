#include "app/form/ZELK_win.h"

#include <windows.h>
#include <commctrl.h>

#include "base/errors/ErrorBox_win.h"
#include "app/form/ControlIds.h"
#include "app/form/Panel_win.h"
#include "base/text/Paths.h"

std::wstring TProgramFiles::Folder() const { return FolderOf(ProgramPath); }

std::wstring TProgramFiles::SettingsFile() const {
  return JoinPath(Folder(), WithoutExtension(FileNameOf(ProgramPath)) + L".ini");
}

std::wstring TProgramFiles::DataIni() const { return JoinPath(Folder(), L"DATA.INI"); }

std::wstring TProgramFiles::HelpFile() const { return JoinPath(Folder(), L"ZELK.CHM"); }

TZELKForm::TZELKForm(TProgramFiles files, TFormServices services)
    : files_(std::move(files)),
      services_(services),
      clockAdjuster_(services.KiroTime1, services.Clock, services.Connection),
      sheetFiles_(files_.Folder(), store_),
      sheet_(sheetFiles_, icons_, codec_) {}

TZELKForm::~TZELKForm() {
  if (handle_) DestroyWindow(handle_);
  if (pop_) DestroyMenu(pop_);
  if (seetpop_) DestroyMenu(seetpop_);
  if (formFont_) DeleteObject(formFont_);
  if (tabFont_) DeleteObject(tabFont_);
}

HWND TZELKForm::Create(HINSTANCE instance, HWND applicationWindow) {
  RegisterPanelClass(instance);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClass;
  RegisterClassExW(&windowClass);
  windowClass.lpfnWndProc = PAriaProc;
  windowClass.style = CS_DBLCLKS;
  windowClass.hbrBackground = nullptr;
  windowClass.lpszClassName = L"TPaintBox";
  RegisterClassExW(&windowClass);
  // Owned by the hidden application window, so no taskbar button shows. A
  // sizeable frame with a system menu and no minimise or maximise button.
  return CreateWindowExW(WS_EX_CONTROLPARENT, kMainWindowClass, kMainWindowCaption,
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN,
                         CW_USEDEFAULT, CW_USEDEFAULT, 331, 432, applicationWindow, nullptr, instance,
                         this);
}

HWND TZELKForm::Control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
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
    return DefWindowProcW(window, message, wParam, lParam);
  }
  try {
    return form->HandleMessage(message, wParam, lParam);
  } catch (...) {
    form->services_.MessageBoxes.ShowError(CurrentExceptionMessage());
    return message == WM_CREATE ? 0 : DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT TZELKForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      FormCreate();
      return 0;
    case WM_SIZE:
      LayoutRegions();
      FormResize();
      return 0;
    case WM_SHOWWINDOW:
      if (wParam) FormShow();
      break;
    case WM_CLOSE:
      FormClose();
      return 0;
    case WM_DESTROY:
      FormDestroy();
      return 0;
    case WM_TIMER:
      if (wParam == kNetTimerId) NetTimerTimer();
      if (wParam == kHintTmId) HintTmTimer();
      if (wParam == kDblTimerId) DblTimerTimer();
      return 0;
    case WM_HOTKEY:
      if (wParam == kHotKeyId) ShowByHotKey();
      return 0;
    case WM_COMMAND:
      if (HandleCommand(LOWORD(wParam))) return 0;
      break;
    case WM_DRAWITEM:
      if (wParam == kATab) {
        ATabDrawTab(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
      }
      break;
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lParam)->idFrom == kATab &&
          reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) {
        ATabChange();
        return 0;
      }
      break;
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) == Control(kPaintBar)) {
        PaintBarChange(LOWORD(wParam), HIWORD(wParam));
        return 0;
      }
      break;
    default:
      if (message == hookMessage_ && hookMessage_ != 0) {
        HandleHookMessage(wParam);
        return 0;
      }
      break;
  }
  return DefWindowProcW(handle_, message, wParam, lParam);
}

bool TZELKForm::HandleCommand(int id) {
  switch (id) {
    case kKZELK1:
      KZELK1Click();
      return true;
    case kKWindows1:
      KWindows1Click();
      return true;
    case kHelpBtn:
      HelpBtnClick();
      return true;
    case kFowardBtn:
      FowardClick();
      return true;
    case kLDBtn:
      LDBtnClick();
      return true;
    case kStCreate:
    case kStRename:
    case kStDelete:
      SheetCommand(id);
      return true;
    case kK4:
      K4Click();
      return true;
    case kK9:
    case kN7:
    case kN5:
    case kDelete1:
    case kK8:
    case kN4:
    case kProgBtn:
    case kStartBtn:
    case kMyDocBtn:
    case kMyComBtn:
    case kMyNetBtn:
    case kIEBtn:
    case kCtrlBtn:
      ItemCommand(id);
      return true;
    case kToolBtn:
      ToolBtnClick();
      return true;
    default:
      if (id >= kMoveToFirst && id < kMoveToFirst + moveToCount_) {
        K1Click(id - kMoveToFirst);
        return true;
      }
      return false;
  }
}

bool TZELKForm::ApplicationMessage(const MSG& message) {
  if (message.message == WM_DROPFILES && message.hwnd == Control(kATab)) {
    try {
      DropFilesOnSheet(reinterpret_cast<HDROP>(message.wParam));
    } catch (...) {
      services_.MessageBoxes.ShowError(CurrentExceptionMessage());
    }
    return true;
  }
  if (message.message != WM_MOUSEMOVE) return false;
  // The application hint: the hint of the control under the mouse, or of
  // the nearest window around it that has one.
  std::wstring hint;
  for (HWND window = message.hwnd; window && window != handle_; window = GetParent(window)) {
    const auto found = hints_.find(window);
    if (found != hints_.end()) {
      hint = found->second;
      break;
    }
  }
  if (hint == statusHint_) return false;
  statusHint_ = hint;
  SendMessageW(Control(kStatusBar1), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(hint.c_str()));
  return false;
}
