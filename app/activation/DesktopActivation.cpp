#include "app/activation/DesktopActivation.h"

namespace {

constexpr TActivationStep kIgnore{};
constexpr TActivationStep kShow{TActivationAction::Show, false};
constexpr TActivationStep kHide{TActivationAction::Hide, false};

}  // namespace

TActivationStep TDesktopActivation::HookMessage(const THookNotification& notification,
                                                const TSettings& settings, IDesktopTest& desktop) {
  if (!ready_ || dialogBusy_) return kIgnore;
  TActivationStep step;
  switch (notification.MouseMessage) {
    case kLButtonDown:
    case kNCLButtonDown:
      step = ButtonDown(notification, settings, desktop);
      break;
    case kLButtonDblClk:
      step = DoubleClick(settings, desktop);
      break;
    default:
      break;
  }
  Apply(step);
  return step;
}

TActivationStep TDesktopActivation::ButtonDown(const THookNotification& notification,
                                               const TSettings& settings,
                                               IDesktopTest& desktop) const {
  // A quick third click after a double-click must not hide the window again.
  if (dblTimerRunning_) return kIgnore;
  if (settings.SIDECLICK == 1 && IsScreenEdge(notification.Cursor, notification.Monitor)) {
    return kShow;
  }
  if (!IsEmptyDesktop(desktop.Look())) return kIgnore;
  if (settings.DBLMODE == 0) return kHide;
  return shown_ ? kHide : kShow;
}

TActivationStep TDesktopActivation::DoubleClick(const TSettings& settings,
                                                IDesktopTest& desktop) const {
  if (settings.DBLMODE != 0 || !IsEmptyDesktop(desktop.Look())) return kIgnore;
  return {TActivationAction::Show, true};
}

void TDesktopActivation::Apply(const TActivationStep& step) {
  if (step.Action == TActivationAction::Show) shown_ = true;
  if (step.Action == TActivationAction::Hide) shown_ = false;
  if (step.StartDblTimer) dblTimerRunning_ = true;
}
