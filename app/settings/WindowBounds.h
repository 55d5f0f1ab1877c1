#pragma once
// Where the main window opens: its stored size, at its stored place, or at
// the centre of the screen when "Left" is -1 (whatever "Top" says).

#include "app/settings/Settings.h"
#include "base/Geometry.h"

struct TWindowBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const TWindowBounds&) const = default;
};

// The window moved, keeping its size, so that it lies wholly on the work
// area (a monitor without its task bars); a window larger than the area
// keeps its top-left corner on it.
[[nodiscard]] TRect KeepOnWorkArea(TRect window, TRect workArea);

// The smallest window at which the tool bar, the tab rows of the current
// settings and one row of the item area stay visible: the frame's own sizes
// (caption and borders) and the parts' heights, in pixels.
struct TMinimumSizeParts {
  TSize Frame;              // window size minus client size
  int StatusBarHeight = 0;  // 0 when hidden
  int TabRowsHeight = 0;    // the tab rows and the tab control's borders
  int CellHeight = 0;
};
[[nodiscard]] TSize MinimumWindowSize(const TMinimumSizeParts& parts);

[[nodiscard]] TWindowBounds InitialWindowBounds(const TSettings& settings, int screenWidth,
                                                int screenHeight);
