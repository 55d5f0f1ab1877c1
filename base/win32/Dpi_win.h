#pragma once
// The DPI of the system, of a monitor and of a window. Windows 7 knows one
// DPI for the whole system; later systems give each monitor its own, through
// entries that Windows 7 lacks and that are therefore looked up at run time.

#include <windows.h>

#include "base/Scale.h"

// The DPI of the primary monitor at the start of the session.
[[nodiscard]] int SystemDpi();
[[nodiscard]] int MonitorDpi(HMONITOR monitor);
[[nodiscard]] int WindowDpi(HWND window);
[[nodiscard]] inline TScale WindowScale(HWND window) { return TScale(WindowDpi(window)); }
// A system metric (SM_CYCAPTION, ...) for a window at the DPI.
[[nodiscard]] int SystemMetricForDpi(int index, int dpi);
