#include "app/services/ColorPicker_win.h"

#include <commdlg.h>

#include "app/paint/ColorRef_win.h"

std::optional<TColor> TWin32ColorPicker::PickColor(HWND owner, TColor initial) {
  CHOOSECOLORW choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = owner;
  choice.rgbResult = ToColorRef(initial);
  choice.lpCustColors = customColors_.data();
  choice.Flags = CC_RGBINIT;
  if (!ChooseColorW(&choice)) return std::nullopt;
  return static_cast<TColor>(choice.rgbResult & 0x00FFFFFF);
}
