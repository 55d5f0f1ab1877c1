// Start-up, showing, hiding, closing and the end of the program.

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include "app/form/ControlIds.h"
#include "app/form/Metrics.h"
#include "app/form/Panel_win.h"
#include "app/form/ZELK_win.h"
#include "app/paint/ColorRef_win.h"
#include "app/settings/PrivateProfile_win.h"
#include "app/settings/SettingsFiles.h"
#include "app/settings/TemporaryFiles.h"
#include "app/settings/WindowBounds.h"
#include "base/errors/Errors.h"
#include "app/shortcuts/SpecialFolders_win.h"
#include "base/win32/Topmost_win.h"

namespace {

bool IsButtonDown(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

void TZELKForm::FormCreate() {
  exiting_ = false;
  activation_.SetDialogBusy(false);
  activation_.SetShown(true);
  settings_ = ReadSettings(TPrivateProfile(files_.SettingsFile()),
                           SpecialFolderPath(CSIDL_DESKTOPDIRECTORY));
  if (!settings_.PassedOverSheetNames.empty()) {
    services_.MessageBoxes.Inform(PassedOverSheetsMessage(settings_.PassedOverSheetNames));
  }
  SetTimeServerHost();
  ApplySettings();
  // From here on the tabs hold the sheet list.
  ATab_.SetSheets(std::move(settings_.SheetNames), 0);
  settings_.SheetNames.clear();
  ShowWindow(Control(kStatusBar1), settings_.STATUS_DISP == 1 ? SW_SHOW : SW_HIDE);
  DragAcceptFiles(ATab_.Handle(), TRUE);
  DragAcceptFiles(Control(kArcPnl), TRUE);
  DragAcceptFiles(Control(kFreezePnl), TRUE);
  sheet_.Buffer().Count = 0;
  iconCache_.SetIconSize(scale_.Pixels(kIconSize));
  iconCache_.SetReceiver(Handle(), kIconsLookedUpMessage);
  InstallMouseHook();
  // Without the data folder the window still starts, with an empty sheet;
  // each save tries the folder again.
  try {
    sheetFiles_.EnsureDataFolder();
  } catch (const EInOutError& failure) {
    services_.MessageBoxes.ShowError(failure.Message() +
                                     L"\nこのままでは、項目の変更を保存できません。");
  }
  RemoveOwnTemporaryFiles({files_.Folder(), sheetFiles_.DataFolder()});
  LoadSheet();
  PAria_.SetItemAreaFont();
  sheet_.Arrange(ArrangeOptions());
  ShowWindow(quickBar_.Panel(), settings_.LDISPMODE == 1 ? SW_SHOW : SW_HIDE);
  SendMessageW(Control(kLDBtn), BM_SETCHECK, settings_.LDISPMODE == 1 ? BST_CHECKED : BST_UNCHECKED,
               0);
  ATab_.SetTabFont(settings_.FontSize, scale_);
  hotKeyRegistered_ = RegisterHotKey(Handle(), kHotKeyId, MOD_CONTROL | MOD_ALT, 'N');
  LayoutRegions();
  KeepMinimumSize();
}

void TZELKForm::ApplySettings() {
  ApplyColors();
  quickBar_.LoadQuickBarIcons(settings_.LeftC);
  PlaceFromSettings();
}

void TZELKForm::ApplyColors() {
  SetPanelColor(Control(kPanel1), settings_.TopC);
  SetPanelColor(Control(kArcPnl), settings_.TopC);
  SetPanelColor(Control(kFreezePnl), settings_.TopC);
  SetPanelColor(Control(kPanel2), settings_.TabBC);
  SetPanelColor(quickBar_.Panel(), settings_.LeftC);
  SetPanelColor(Control(kPanel3), settings_.FoldaC);
  SendMessageW(Control(kStatusBar1), SB_SETBKCOLOR, 0,
               static_cast<LPARAM>(ToColorRef(settings_.StatusC)));
  if (ATab_.Handle()) InvalidateRect(ATab_.Handle(), nullptr, TRUE);
}

void TZELKForm::FormShow() {
  KeepOnScreen();
  LayoutRegions();
  if (activation_.Ready()) return;
  activation_.SetReady();
  // The clock is first adjusted as the window is about to show for the
  // first time, so that a question about it is owned by the window.
  ApplyNetTimer(clockAdjuster_.StartUp(timeServerHost_, settings_.AJCLK));
}

void TZELKForm::FormResize() { PAria_.Repaint(); }

void TZELKForm::SaveSettings() {
  SavePlace();
  settings_.TAB = ATab_.Current();
  TSettings saved = settings_;
  saved.SheetNames = ATab_.SheetNames();
  // A file that cannot be written keeps its old content; the close goes on.
  const std::wstring report =
      SaveSettingsFiles(saved, sheet_.Buffer(), {files_.SettingsFile(), files_.DataIni()}, store_,
                        codec_, toldFailures_);
  if (!report.empty()) services_.MessageBoxes.ShowError(report);
}

void TZELKForm::FormEndSession() {
  clockAdjuster_.Cancel();  // the process ends after this message
  SaveSettings();
}

void TZELKForm::FormClose() {
  if (findField_.IsOpen()) CloseFind();  // the window comes back without it
  SaveSettings();
  activation_.SetShown(false);
  ShowWindow(Handle(), SW_HIDE);
  KillTimer(Handle(), kDblTimerId);
  activation_.DblTimerStopped();
  if (!exiting_) return;  // the close button only hides
  services_.MouseHook.RemoveHook();
  icons_.Clear();
  services_.Help.CloseAll();
  DestroyWindow(Handle());
}

void TZELKForm::FormDestroy() {
  // A clock request waiting inside one of this window's handlers ends with it.
  clockAdjuster_.Cancel();
  iconCache_.SetReceiver(nullptr, 0);  // look-ups still running announce nothing
  if (hotKeyRegistered_) UnregisterHotKey(Handle(), kHotKeyId);
  hotKeyRegistered_ = false;
  PostQuitMessage(0);
}

void TZELKForm::ShowByHotKey() {
  MoveToCursorMonitor();
  activation_.SetShown(true);
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  SetFocus(Handle());  // typing finds at once
}

void TZELKForm::KZELK1Click() {
  if (services_.MessageBoxes.Confirm(L"ＺＥＬＫを終了します。よろしいですか？")) {
    exiting_ = true;
    SendMessageW(Handle(), WM_CLOSE, 0, 0);
  }
  RestoreTopmost();
}

void TZELKForm::KWindows1Click() {
  LeaveTopmost();
  if (services_.MessageBoxes.Confirm(L"Ｗｉｎｄｏｗｓを終了します。よろしいですか？")) {
    SaveSettings();
    services_.Shutdown.RequestShutdown();
    exiting_ = true;
    SendMessageW(Handle(), WM_CLOSE, 0, 0);
  }
  RestoreTopmost();
}

void TZELKForm::HelpBtnClick() { services_.Help.ShowContents(files_.HelpFile()); }

void TZELKForm::LeaveTopmost() {
  if (Handle()) SetTopmost(Handle(), false);
}

void TZELKForm::RestoreTopmost() {
  if (Handle() && IsButtonDown(Control(kFowardBtn))) SetTopmost(Handle(), true);
}

void TZELKForm::FowardClick() {
  if (IsButtonDown(Control(kFowardBtn))) {
    RestoreTopmost();
  } else {
    LeaveTopmost();
  }
}

void TZELKForm::LDBtnClick() {
  settings_.LDISPMODE = IsButtonDown(Control(kLDBtn)) ? 1 : 0;
  ShowWindow(quickBar_.Panel(), settings_.LDISPMODE == 1 ? SW_SHOW : SW_HIDE);
  LayoutRegions();
  FormResize();
  KeepMinimumSize();
}
