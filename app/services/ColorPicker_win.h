#pragma once
// The system's colour picker behind a seam, so that tests answer it.

#include <windows.h>

#include <array>
#include <optional>

#include "app/settings/Colors.h"

class IColorPicker {
 public:
  virtual ~IColorPicker() = default;
  // Opens on the initial colour; the chosen colour, or nullopt when cancelled.
  [[nodiscard]] virtual std::optional<TColor> PickColor(HWND owner, TColor initial) = 0;
};

class TWin32ColorPicker : public IColorPicker {
 public:
  [[nodiscard]] std::optional<TColor> PickColor(HWND owner, TColor initial) override;

 private:
  std::array<COLORREF, 16> customColors_{};  // kept while the program runs
};
