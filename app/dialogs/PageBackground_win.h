#pragma once
// The body of a tab control's page, for the controls that stand on it:
// labels, check boxes, radio buttons and group boxes are painted on the
// page's own pixels, whether the tab control draws its body plain (button
// face) or themed (the white or shaded pane of common controls 6).

#include <windows.h>

#include "base/win32/Handles_win.h"

class TPageBackground {
 public:
  // Takes the tab control's picture; again after a change of theme or colours.
  void Capture(HWND tabs);
  // The answer to WM_CTLCOLORSTATIC of a control on the page: its text
  // without a box, on a brush lined up with the page.
  [[nodiscard]] HBRUSH ControlBrush(HDC dc, HWND control) const;
  // The answer to WM_PRINTCLIENT of the page's parent, which a themed
  // control asks for the background behind it: the page where the tab
  // control lies.
  void PrintPage(HDC dc, HWND parent) const;

 private:
  HWND tabs_ = nullptr;  // not owned
  TBitmap picture_;      // the pattern of brush_
  TBrush brush_;
};
