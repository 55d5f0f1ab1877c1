#pragma once
// The mouse hook of zelkhook.dll, which ZELK.exe links at load time.

#include "app/form/FormServices.h"

class TZelkMouseHook : public IMouseHook {
 public:
  void SetHook(std::uintptr_t window) override;
  void RemoveHook() override;
  [[nodiscard]] std::string HookMessageName() override;
};
