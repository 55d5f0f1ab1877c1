#pragma once
// Every outside effect of the main window that tests must observe or
// answer, handed to it as one set.

#include "app/activation/DesktopActivation.h"
#include "app/launch/Registration.h"
#include "app/launch/ShellRunner.h"
#include "app/services/HelpViewer.h"
#include "app/services/MouseHook.h"
#include "app/services/Shutdown.h"
#include "app/shortcuts/ShortcutShell.h"
#include "base/errors/MessageBoxes.h"
#include "net/ClockAdjuster.h"

// The dialogs that pick (Win32 only).
class IColorPicker;
class IFolderBrowserDialog;
class IOpenFileDialog;

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
  // The settings dialog's colour picker and folder browser.
  IColorPicker& ColorPicker;
  IFolderBrowserDialog& FolderBrowser;
  // The files ファイルの登録... registers.
  IOpenFileDialog& OpenFile;
};
