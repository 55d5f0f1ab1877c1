#pragma once
// The mouse-hook seam on the hook library zelkhook.dll, which ZELK.exe links
// at load time.

#include "app/services/MouseHook.h"

class THookLibraryMouseHook : public IMouseHook {
 public:
  void SetHook(std::uintptr_t window) override;
  void RemoveHook() override;
  [[nodiscard]] std::string HookMessageName() override;
};
