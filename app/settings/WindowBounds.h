#pragma once
// Where the main window opens: its stored size, at its stored place, or at
// the centre of the screen when "Left" is -1 (whatever "Top" says). The
// settings keep the size in 96-DPI units, so that a file moved to a PC of
// another scale opens a window of a sensible size, and the place in units
// of the system's scale, as a program unaware of DPI saw the desktop.

#include "app/settings/Settings.h"
#include "base/Geometry.h"
#include "base/Scale.h"

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

// The window's place as the settings keep it. A window moved only to be
// seen (its monitor gone, the resolution changed) keeps the place of the
// settings until the user moves or sizes it.
class TWindowPlace {
 public:
  explicit TWindowPlace(TRect saved = {}) : saved_(saved), shown_(saved) {}
  // Where the window that stands at current is shown: on the work area.
  [[nodiscard]] TRect Show(TRect current, TRect workArea);
  // The window that stands at current moved by the program to another
  // monitor: shown there, its saved place kept.
  [[nodiscard]] TRect Move(TRect current, TRect moved);
  // What the settings keep for the window that stands at current.
  [[nodiscard]] TRect Saved(TRect current);

 private:
  void Follow(TRect current);
  TRect saved_;
  TRect shown_;  // where Show put the window last
};

// The window moved from one monitor's work area to another's: its place
// from the work area's top-left corner and its size follow the monitors'
// scales, and it is kept whole on the new work area.
[[nodiscard]] TRect MoveToWorkArea(TRect window, TRect fromWorkArea, TScale fromScale,
                                   TRect toWorkArea, TScale toScale);

// The smallest window at which every tool button, the tab rows of the
// current settings and two rows of the item area stay visible: the frame's
// own sizes (caption and borders) and the parts' sizes, in pixels. The tab
// rows grow as the window narrows, so the window is kept wide enough for
// them to fit the work area, and tall enough for them at its narrowest.
struct TMinimumSizeParts {
  TScale Scale;             // the window's
  TSize Frame;              // window size minus client size
  int StatusBarHeight = 0;  // 0 when hidden
  int CellHeight = 0;
  int TabCount = 0;
  int WidestTab = 0;
  int TabRowHeight = 0;
  int TabFrameHeight = 0;  // the tab control's height besides its rows and display area
  int SideWidth = 0;       // the window's width that the tab rows cannot use
  TSize WorkArea;          // the monitor's work area
  bool OneTabRow = false;  // the tabs scroll in one row
};
[[nodiscard]] TSize MinimumWindowSize(const TMinimumSizeParts& parts);
// Whether the tab rows leave two rows of items on the work area when the
// window is as wide as it; if not, the tabs take one row and scroll.
[[nodiscard]] bool TabRowsFitWorkArea(TMinimumSizeParts parts);

// In pixels: the place by the system's scale, the size by the scale of the
// monitor the window opens on.
[[nodiscard]] TWindowBounds InitialWindowBounds(const TSettings& settings, int screenWidth,
                                                int screenHeight, TScale system, TScale monitor);
// The settings' values for the window at its place, drawn at its scale.
void StoreWindowBounds(TSettings& settings, TRect window, TScale system, TScale windowScale);
