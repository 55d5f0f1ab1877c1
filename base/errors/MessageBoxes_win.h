#pragma once
// The real message boxes: caption "ZELK". Once the main window exists every
// box is owned by it, so that the box opens above it and the window is
// active again when the box closes; a topmost owner leaves the topmost band
// while its box is open and returns after.

#include <windows.h>

#include <functional>
#include <string>

#include "base/errors/MessageBoxes.h"

class TWin32MessageBoxes : public IMessageBoxes {
 public:
  // Shows one box: owner (or null), text, caption and style; gives the button.
  using TShowBox = std::function<int(HWND owner, const std::wstring& text, UINT style)>;
  // The system's message box, or a stand-in for tests.
  explicit TWin32MessageBoxes(TShowBox showBox = {});

  // Not owned; boxes are task-modal and without owner while it is null.
  void SetOwner(HWND owner) noexcept { owner_ = owner; }

  [[nodiscard]] bool Confirm(const std::wstring& text) override;
  [[nodiscard]] bool AskYesNo(const std::wstring& text) override;
  void Inform(const std::wstring& text) override;
  void ShowError(const std::wstring& text) override;

 private:
  int Show(const std::wstring& text, UINT style);

  TShowBox showBox_;
  HWND owner_ = nullptr;
};
