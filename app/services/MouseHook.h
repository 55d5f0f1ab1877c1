#pragma once
// The mouse-hook library: the global hook that reports desktop clicks.

#include <cstdint>
#include <string>

class IMouseHook {
 public:
  virtual ~IMouseHook() = default;
  // Makes the window the receiver of the notifications; failures are the
  // library's to report.
  virtual void SetHook(std::uintptr_t window) = 0;
  virtual void RemoveHook() = 0;
  // The name of the notification message.
  [[nodiscard]] virtual std::string HookMessageName() = 0;
};
