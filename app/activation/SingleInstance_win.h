#pragma once
// One running ZELK: a second start must not install a second hook that would
// take over the shared hook record (and later remove the first one's hook).

#include <windows.h>

#include "base/win32/Handles_win.h"

// Holds the named mutex "ZELKSingleInstance" for its lifetime.
class TSingleInstance {
 public:
  TSingleInstance();

  // No other ZELK held the mutex when this one was made.
  [[nodiscard]] bool First() const { return first_; }

 private:
  TKernelHandle mutex_;
  bool first_ = true;
};

// Asks the running instance's main window (found by its window class) to come
// forward as on its hot key: posts WM_HOTKEY with identifier 0, after letting
// it take the foreground. Nothing happens when there is no such window yet.
void BringRunningInstanceForward(const wchar_t* mainWindowClass);
