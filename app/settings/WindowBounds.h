#pragma once
// Where the main window opens: its stored size, at its stored place, or at
// the centre of the screen when "Left" is -1 (whatever "Top" says).

#include "app/settings/Settings.h"

struct TWindowBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const TWindowBounds&) const = default;
};

[[nodiscard]] TWindowBounds InitialWindowBounds(const TSettings& settings, int screenWidth,
                                                int screenHeight);
