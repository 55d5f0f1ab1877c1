#pragma once
// How the sheet is arranged after a change, as the settings say.

#include "app/settings/Settings.h"
#include "app/sheets/SheetBuffer.h"

[[nodiscard]] inline TArrangeOptions ArrangeOptionsOf(const TSettings& settings) {
  return {.SORTMODE = settings.SORTMODE, .AUTOSORT = settings.AUTOSORT};
}
