#pragma once
// Applies the clock adjustment's verdict to the main window's NetTimer, a
// window timer of that window.

#include <windows.h>

#include "net/ClockAdjuster.h"

inline void ApplyNetTimer(HWND window, UINT_PTR timerId, TNetTimerChange change) {
  if (change == TNetTimerChange::Enable) SetTimer(window, timerId, kNetTimerInterval, nullptr);
  if (change == TNetTimerChange::Disable) KillTimer(window, timerId);
}
