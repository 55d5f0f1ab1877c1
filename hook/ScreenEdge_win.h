#pragma once
// The cursor and the monitor it stands on, both in the monitor's physical
// pixels whatever the DPI awareness of the calling process: a process
// unaware of DPI otherwise sees a scaled desktop, in which the edge rule's
// rows no longer lie where they are on the screen. Used by the hook
// procedure on every click, so it allocates nothing.

#include <windows.h>

#include "base/Geometry.h"

struct TCursorOnMonitor {
  TPoint Cursor;
  TRect Monitor;
};

[[nodiscard]] TCursorOnMonitor CursorOnMonitor() noexcept;
