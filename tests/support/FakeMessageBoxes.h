#pragma once
// Message boxes that answer as told and record what they were asked, so that
// no test waits on a real box.

#include <functional>
#include <string>
#include <vector>

#include "base/errors/MessageBoxes.h"

class FakeMessageBoxes : public IMessageBoxes {
 public:
  bool Confirm(const std::wstring& text) override {
    confirmations.push_back(text);
    return answer;
  }
  bool AskYesNo(const std::wstring& text) override {
    questions.push_back(text);
    return answer;
  }
  void Inform(const std::wstring& text) override {
    informations.push_back(text);
    if (whileInforming) whileInforming();
  }
  void ShowError(const std::wstring& text) override { errors.push_back(text); }

  bool answer = true;
  std::function<void()> whileInforming;  // looks at the program while the box is open
  std::vector<std::wstring> questions;
  std::vector<std::wstring> informations;
  std::vector<std::wstring> confirmations;
  std::vector<std::wstring> errors;
};
