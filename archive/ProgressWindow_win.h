#pragma once
// A hidden top-level window that answers the libraries' "wm_arcextract"
// messages: the handler gets State and the record, and the reply 1 asks the
// library to abort.

#include <windows.h>

#include "archive/ProgressWindow.h"
#include "base/errors/MessageBoxes.h"
#include "base/win32/HiddenWindow_win.h"

class TProgressWindow : public IProgressWindow, private THiddenWindow {
 public:
  // A failure of the handler is shown through the message boxes. Raises
  // EArchiver when the window cannot be made.
  TProgressWindow(TProgressHandler handler, IMessageBoxes& messageBoxes);

  [[nodiscard]] TWindowHandle Handle() const override { return THiddenWindow::Handle(); }

  // The factory for the archive component.
  [[nodiscard]] static TProgressWindowFactory Factory(IMessageBoxes& messageBoxes);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  TProgressHandler handler_;
};

// The registered message, registered on first use.
[[nodiscard]] UINT ArcExtractMessage();
