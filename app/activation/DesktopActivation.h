#pragma once
// The main window's answer to a notification of the mouse hook: show, hide
// or ignore, and whether the double-click guard timer dbltimer starts.

#include "hook/ScreenEdge.h"
#include "app/settings/Settings.h"

// What the desktop test sees: whether the window under the mouse (the hook
// record's MouseWindow) is the desktop icon view or web view, and how many
// icons the icon view has selected.
struct TDesktopLook {
  bool MouseOnDesktopView = false;
  int SelectedIcons = 0;
};

// A click on the empty desktop: on one of its views, with no icon selected.
[[nodiscard]] constexpr bool IsEmptyDesktop(const TDesktopLook& look) {
  return look.MouseOnDesktopView && look.SelectedIcons == 0;
}

// Seam for the desktop test; looked at only when the decision needs it.
class IDesktopTest {
 public:
  virtual ~IDesktopTest() = default;
  [[nodiscard]] virtual TDesktopLook Look() = 0;
};

// One notification as the main window handles it.
struct THookNotification {
  unsigned MouseMessage = 0;  // the first parameter: kLButtonDown, ...
  TPoint Cursor;              // the cursor position when it is handled
  TRect Monitor;              // the monitor under the cursor, in the same pixels
};

enum class TActivationAction { Ignore, Show, Hide };

struct TActivationStep {
  TActivationAction Action = TActivationAction::Ignore;
  bool StartDblTimer = false;
  bool operator==(const TActivationStep&) const = default;
};

// The main window's flags that decide activation, with DBLMODE and SIDECLICK
// of the settings. Show and Hide results
// have already been applied to the shown flag, and a started guard to the
// timer flag, when HookMessage returns.
class TDesktopActivation {
 public:
  [[nodiscard]] TActivationStep HookMessage(const THookNotification& notification,
                                            const TSettings& settings, IDesktopTest& desktop);

  // The window has been shown for the first time; notifications count from now.
  void SetReady() { ready_ = true; }
  // The window was shown or hidden by other means (hot key, close button,
  // hide after starting an item).
  void SetShown(bool shown) { shown_ = shown; }
  // Around the window's own modal dialogs.
  void SetDialogBusy(bool busy) { dialogBusy_ = busy; }
  // dbltimer fired (it disables itself) or was stopped by a close.
  void DblTimerStopped() { dblTimerRunning_ = false; }

  [[nodiscard]] bool Ready() const { return ready_; }
  [[nodiscard]] bool Shown() const { return shown_; }
  [[nodiscard]] bool DialogBusy() const { return dialogBusy_; }
  [[nodiscard]] bool DblTimerRunning() const { return dblTimerRunning_; }

 private:
  [[nodiscard]] TActivationStep ButtonDown(const THookNotification& notification,
                                           const TSettings& settings, IDesktopTest& desktop) const;
  [[nodiscard]] TActivationStep DoubleClick(const TSettings& settings, IDesktopTest& desktop) const;
  void Apply(const TActivationStep& step);

  bool ready_ = false;
  bool shown_ = true;  // the window is shown at start-up
  bool dialogBusy_ = false;
  bool dblTimerRunning_ = false;
};
