#pragma once
// The live system's answer to the desktop test (IDesktopTest): was the
// click on the shell's desktop views, read from the hook record's
// MouseWindow, and how many desktop icons are selected.

#include "app/activation/DesktopActivation.h"

class TEmptyDesktopCheck final : public IDesktopTest {
 public:
  [[nodiscard]] TDesktopLook Look() override;
};
