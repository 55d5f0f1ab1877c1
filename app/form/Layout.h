#pragma once
// Where the main window's regions lie, outside in: the tool bar on top, the
// status bar at the bottom, the body between them with the quick bar on its
// left and the sheet tabs filling the rest; inside the tabs' display area the
// folder bar on top or at the bottom, the item area and its scroll bar. The
// sizes are those of the metrics table at the window's scale.

#include "app/form/Metrics.h"
#include "base/Geometry.h"

struct TFormRegions {
  TRect Panel1;      // in the window's client area
  TRect Panel2;
  TRect StatusBar1;  // empty when hidden
  TRect SysPanel;    // in Panel2; empty when hidden
  TRect ATab;        // in Panel2
};

struct TTabRegions {  // in ATab
  TRect Panel3;
  TRect Panel4;
  TRect PaintBar;
};

[[nodiscard]] TFormRegions LayoutForm(int clientWidth, int clientHeight, int statusBarHeight,
                                      bool quickBarShown, TScale scale);
// display: the tabs' display area; the item panel is narrower than the
// folder bar by the scroll bar's room, and the scroll bar stands at its right.
[[nodiscard]] TTabRegions LayoutTabArea(TRect display, bool folderBarAtBottom, TScale scale);
