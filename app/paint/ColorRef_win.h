#pragma once
// The user interface's colour value as the system's RGB value.

#include <windows.h>

#include "app/settings/Colors.h"

[[nodiscard]] inline COLORREF ToColorRef(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
  return static_cast<COLORREF>(color) & 0x00FFFFFF;
}
