#pragma once
// The desktop test on the live system: the hook record's MouseWindow against
// the shell's desktop views, and the icon view's selected count.

#include "app/activation/DesktopActivation.h"

class TWin32DesktopTest final : public IDesktopTest {
 public:
  [[nodiscard]] TDesktopLook Look() override;
};
