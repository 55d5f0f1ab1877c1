#include "app/settings/WindowBounds.h"

TWindowBounds InitialWindowBounds(const TSettings& settings, int screenWidth, int screenHeight) {
  TWindowBounds bounds{settings.LEFT, settings.TOP, settings.Width, settings.Height};
  if (settings.LEFT == -1) {
    bounds.Left = (screenWidth - settings.Width) / 2;
    bounds.Top = (screenHeight - settings.Height) / 2;
  }
  return bounds;
}
