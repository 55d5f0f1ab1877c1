#pragma once
// The real message boxes: caption "ZELK", task-modal.

#include "base/errors/MessageBoxes.h"

class TWin32MessageBoxes : public IMessageBoxes {
 public:
  [[nodiscard]] bool Confirm(const std::wstring& text) override;
  [[nodiscard]] bool AskYesNo(const std::wstring& text) override;
  void Inform(const std::wstring& text) override;
  void ShowError(const std::wstring& text) override;
};
