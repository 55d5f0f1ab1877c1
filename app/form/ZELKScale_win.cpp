// The window moved to a monitor of another DPI: fonts, pictures and layout
// are made anew from the metrics table before anything is drawn.

#include <windows.h>

#include "app/form/Metrics.h"
#include "app/form/ZELK_win.h"

void TZELKForm::FormDpiChanged(int dpi, const RECT& suggested) {
  // Nothing is drawn at the old size while the parts change: the window
  // is painted once, at the new one. (Redrawing switched on again would
  // also mark a hidden window visible.)
  const bool visible = IsWindowVisible(Handle()) != FALSE;
  if (visible) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  ApplyScale(TScale(dpi));
  // A move of the program's own has its size for the new DPI already.
  if (!placingOnMonitor_) {
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  LayoutRegions();
  if (!visible) return;
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  RedrawWindow(Handle(), nullptr, nullptr,
               RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TZELKForm::ApplyScale(TScale scale) {
  scale_ = scale;
  controls_.SetScale(scale);
  PlaceBarControls();
  quickBar_.LoadQuickBarIcons(settings_.LeftC);
  ATab_.SetTabFont(settings_.FontSize, scale);
  PAria_.SetScale(scale, controls_.Font());
  if (!iconCache_.SetIconSize(scale.Pixels(kIconSize))) return;
  // The icons of the new size: those drawn before at it show at once, the
  // others are looked up, the top cells first.
  icons_.Refresh();
  icons_.RequestPending(sheet_.Buffer());
  FindChange();
}
