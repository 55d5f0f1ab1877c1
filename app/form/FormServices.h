#pragma once
// The main window's outside effects that tests must observe or answer:
// message boxes, the system shutdown request and the help viewer.

#include <cstdint>
#include <string>

#include "app/activation/DesktopActivation.h"
#include "base/errors/MessageBoxes.h"
#include "app/launch/Registration.h"
#include "app/launch/ShellRunner.h"
#include "app/shortcuts/ShortcutShell.h"
#include "net/ClockAdjuster.h"

class IShutdown {
 public:
  virtual ~IShutdown() = default;
  // A plain shutdown: no force, no reboot. Failures are not reported.
  virtual void RequestShutdown() = 0;
};

class IHelpViewer {
 public:
  virtual ~IHelpViewer() = default;
  virtual void ShowContents(const std::wstring& helpFile) = 0;
  virtual void CloseAll() = 0;
};

// The mouse-hook library: the global hook that reports desktop clicks.
class IMouseHook {
 public:
  virtual ~IMouseHook() = default;
  // Makes the window the receiver of the notifications; failures are the
  // library's to report.
  virtual void SetHook(std::uintptr_t window) = 0;
  virtual void RemoveHook() = 0;
  // The name of the notification message.
  [[nodiscard]] virtual std::string HookMessageName() = 0;
};

struct TFormServices {
  IMessageBoxes& MessageBoxes;
  IShutdown& Shutdown;
  IHelpViewer& Help;
  IShellRunner& Shell;
  IShellExecutor& Executor;  // the shell call with a verb, for shell objects
  ISpecialFolders& Folders;
  IShortcutResolver& Shortcuts;
  IMouseHook& MouseHook;
  IDesktopTest& DesktopTest;
  // The clock adjustment: the time client KiroTime1, the system clock and
  // the Internet connection check.
  ITimeSource& KiroTime1;
  IClockSetter& Clock;
  IConnectionCheck& Connection;
};
