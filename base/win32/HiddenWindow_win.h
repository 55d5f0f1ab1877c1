#pragma once
// The hidden tool windows through which the socket, timer and archive
// components get their notifications. Each is a window of the one window
// base; a failure its handler lets through is reported through the message
// boxes seam, so that tests answer it.

#include <windows.h>

#include "base/errors/MessageBoxes.h"
#include "base/win32/Window_win.h"

class THiddenWindow : public TWindow {
 public:
  THiddenWindow(const THiddenWindow&) = delete;
  THiddenWindow& operator=(const THiddenWindow&) = delete;

 protected:
  // Registers the class once per process and creates a hidden popup tool
  // window of it; Handle() is null when the system refused the window.
  THiddenWindow(const wchar_t* className, IMessageBoxes& messageBoxes);
  // Destroys the window while this part of the object still answers it.
  ~THiddenWindow() override;

  // Messages the component does not handle.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    return DefaultHandling(message, wParam, lParam);
  }
  // The standard error box, through the seam.
  void ReportFailure() noexcept override;

 private:
  IMessageBoxes& messageBoxes_;
};
