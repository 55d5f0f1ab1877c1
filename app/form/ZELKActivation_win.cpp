// Desktop activation: the mouse hook's notifications show and hide the window.

#include <windows.h>

#include "app/form/ControlIds.h"
#include "app/form/ZELK_win.h"
#include "base/errors/Errors.h"
#include "hook/ScreenEdge_win.h"

void TZELKForm::InstallMouseHook() {
  services_.MouseHook.SetHook(reinterpret_cast<std::uintptr_t>(Handle()));
  const std::string name = services_.MouseHook.HookMessageName();
  hookMessage_ = RegisterWindowMessageA(name.c_str());
  if (hookMessage_ == 0) throw EZelkError(L"Can't Regist Message ");
}

void TZELKForm::HandleHookMessage(WPARAM mouseMessage) {
  const TCursorOnMonitor cursor = CursorOnMonitor();
  const THookNotification notification{static_cast<unsigned>(mouseMessage), cursor.Cursor,
                                       cursor.Monitor};
  const TActivationStep step =
      activation_.HookMessage(notification, settings_, services_.DesktopTest);
  if (step.Action == TActivationAction::Show) ShowByActivation();
  if (step.Action == TActivationAction::Hide) HideByActivation();
  if (step.StartDblTimer) SetTimer(Handle(), kDblTimerId, 500, nullptr);
}

void TZELKForm::ShowByActivation() {
  MoveToCursorMonitor();
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  SetFocus(Handle());  // typing finds at once
  // Through the topmost band, so that it comes above every other window.
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  if (SendMessageW(Control(kFowardBtn), BM_GETCHECK, 0, 0) != BST_CHECKED) LeaveTopmost();
}

void TZELKForm::HideByActivation() {
  if (findField_.IsOpen()) CloseFind();  // the window comes back without it
  LeaveTopmost();
  ShowWindow(Handle(), SW_HIDE);
}

void TZELKForm::DblTimerTimer() {
  KillTimer(Handle(), kDblTimerId);
  activation_.DblTimerStopped();
}
