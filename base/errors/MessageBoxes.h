#pragma once
// The message boxes of the program: every box goes through this seam, so
// that tests answer them and no test under Wine waits on a real box.

#include <string>

class IMessageBoxes {
 public:
  virtual ~IMessageBoxes() = default;
  // An information box with OK and Cancel; true on OK.
  [[nodiscard]] virtual bool Confirm(const std::wstring& text) = 0;
  // A confirmation box with Yes and No; true on Yes.
  [[nodiscard]] virtual bool AskYesNo(const std::wstring& text) = 0;
  // An information box with OK.
  virtual void Inform(const std::wstring& text) = 0;
  // The application's standard error box.
  virtual void ShowError(const std::wstring& text) = 0;
};
