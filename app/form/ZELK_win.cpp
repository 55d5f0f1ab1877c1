#include "app/form/ZELK_win.h"

#include <windows.h>

#include <commctrl.h>

#include "app/form/ControlIds.h"
#include "app/form/Panel_win.h"
#include "app/settings/ArrangeOptions.h"
#include "base/errors/ErrorBox_win.h"
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
      clockAdjuster_(services.KiroTime1, services.Clock, services.Connection, *this),
      sheetFiles_(files_.Folder(), store_),
      sheet_(sheetFiles_, icons_, codec_),
      ATab_(settings_),
      PAria_(settings_, sheet_, icons_, codec_, services.MessageBoxes, *this),
      quickBar_(services.MessageBoxes) {}

// The window goes while this object's handlers can still see its messages.
TZELKForm::~TZELKForm() {
  if (Handle()) DestroyWindow(Handle());
}

HWND TZELKForm::Create(HINSTANCE instance, HWND applicationWindow) {
  RegisterPanelClass(instance);
  RegisterWindowClass(instance, kMainWindowClass, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  // Owned by the hidden application window, so no taskbar button shows. A
  // sizeable frame with a system menu and no minimise or maximise button,
  // 331 x 432 pixels at the system's default place.
  return CreateWindowOf(WS_EX_CONTROLPARENT, kMainWindowClass, kMainWindowCaption,
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN,
                        {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + 331, CW_USEDEFAULT + 432},
                        applicationWindow, nullptr, instance);
}

TArrangeOptions TZELKForm::ArrangeOptions() const { return ArrangeOptionsOf(settings_); }

void TZELKForm::ReportFailure() noexcept {
  services_.MessageBoxes.ShowError(CurrentExceptionMessage());
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
    case WM_GETMINMAXINFO:
      FormGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_DPICHANGED:
      FormDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) FormEndSession();
      return 0;
    case WM_SHOWWINDOW:
      if (wParam) {
        FormShow();
      } else {
        PAria_.HideItemHint();  // it would float on alone
      }
      break;
    case WM_CLOSE:
      FormClose();
      return 0;
    case WM_DESTROY:
      FormDestroy();
      return 0;
    case kIconsLookedUpMessage:
      IconsLookedUp();
      return 0;
    case WM_TIMER:
      if (wParam == kNetTimerId) NetTimerTimer();
      if (wParam == kDblTimerId) DblTimerTimer();
      return 0;
    case WM_HOTKEY:
      if (wParam == kHotKeyId) ShowByHotKey();
      return 0;
    case WM_KEYDOWN:
      if (FormKeyDown(wParam)) return 0;
      break;
    case WM_SYSKEYDOWN:
      if (wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0) {
        ShowSelectedItemMenu();
        return 0;
      }
      break;
    case WM_KEYUP:
      if (wParam == VK_RETURN) findField_.EnterReleased();
      break;
    case WM_CHAR:
    case WM_IME_CHAR:
      FormChar(static_cast<wchar_t>(wParam));
      return 0;
    case WM_IME_STARTCOMPOSITION:
      FormImeStartComposition();
      break;
    case WM_IME_ENDCOMPOSITION:
      FormImeEndComposition();
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == kFindEdit) {
        if (HIWORD(wParam) == EN_CHANGE) FindChange();
        return 0;
      }
      if (HandleCommand(LOWORD(wParam))) return 0;
      break;
    case WM_DRAWITEM:
      if (wParam == kATab) {
        ATab_.ATabDrawTab(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
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
      if (reinterpret_cast<HWND>(lParam) == PAria_.PaintBar()) {
        PAria_.PaintBarChange(LOWORD(wParam), HIWORD(wParam));
        return 0;
      }
      break;
    case WM_MOUSEWHEEL:
      if (PAria_.FormMouseWheel(Handle(), wParam, lParam)) return 0;
      break;
    default:
      if (message == hookMessage_ && hookMessage_ != 0) {
        HandleHookMessage(wParam);
        return 0;
      }
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

bool TZELKForm::HandleCommand(int id) {
  switch (id) {
    case kKZELK1:
      KZELK1Click();
      return true;
    case kKWindows1:
      KWindows1Click();
      return true;
    case kSetteiBtn:
      IE30Btn2Click();
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
    case kToolBtn:
      ToolBtnClick();
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
    case kRegisterFiles:
      ItemCommand(id);
      return true;
    case kK8:
    case kN4:
    case kProgBtn:
    case kStartBtn:
      ShortcutCommand(id);
      return true;
    default:
      if (TQuickBar::IsButton(id)) {
        ShortcutCommand(id);
        return true;
      }
      if (id >= kMoveToFirst && id < kMoveToFirst + ATab_.MoveToCount()) {
        K1Click(id - kMoveToFirst);
        return true;
      }
      return false;
  }
}

// Files dropped on the tabs or a drop target. The shell's drop handle is
// released before any work, so that no path (errors included) keeps it.
bool TZELKForm::DropMessage(const MSG& message) {
  const HWND target = message.hwnd;
  if (target != ATab_.Handle() && target != Control(kArcPnl) && target != Control(kFreezePnl)) {
    return false;
  }
  const std::vector<std::wstring> paths = TakeDroppedPaths(reinterpret_cast<HDROP>(message.wParam));
  if (archiveWorking_ && target != ATab_.Handle()) {
    // One archive job at a time: the drop is refused, and says so.
    ShowStatusText(L"書庫の処理中です。終わってから、もう一度ドロップしてください。");
    return true;
  }
  try {
    if (target == Control(kArcPnl)) {
      DropArchiveToExtract(paths);
    } else if (target == Control(kFreezePnl)) {
      DropFilesToCompress(paths);
    } else {
      DropFilesOnSheet(paths);
    }
  } catch (...) {
    services_.MessageBoxes.ShowError(CurrentExceptionMessage());
  }
  return true;
}

bool TZELKForm::ApplicationMessage(const MSG& message) {
  if (message.message == WM_DROPFILES) return DropMessage(message);
  if (message.message != WM_MOUSEMOVE) return false;
  // The application hint: the hint of the control under the mouse.
  const std::wstring hint = controls_.HintAt(message.hwnd);
  if (hint != statusHint_) ShowStatusText(hint);
  return false;
}

// Stays until the mouse comes to a control with another hint.
void TZELKForm::ShowStatusText(const std::wstring& text) {
  statusHint_ = text;
  SendMessageW(Control(kStatusBar1), SB_SETTEXTW, SB_SIMPLEID,
               reinterpret_cast<LPARAM>(text.c_str()));
}
