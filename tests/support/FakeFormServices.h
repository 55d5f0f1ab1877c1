#pragma once
// Message boxes that answer as told and record what they were asked, a
// shutdown that only counts, a help viewer that records.

#include <string>
#include <vector>

#include "app/form/FormServices.h"
#include "tests/net/NetDoubles.h"

class FakeMessageBoxes : public IMessageBoxes {
 public:
  bool Confirm(const std::wstring& text) override {
    confirmations.push_back(text);
    return answer;
  }
  void ShowError(const std::wstring& text) override { errors.push_back(text); }

  bool answer = true;
  std::vector<std::wstring> confirmations;
  std::vector<std::wstring> errors;
};

class FakeShutdown : public IShutdown {
 public:
  void RequestShutdown() override { ++requests; }
  int requests = 0;
};

class FakeHelpViewer : public IHelpViewer {
 public:
  void ShowContents(const std::wstring& helpFile) override { shown.push_back(helpFile); }
  void CloseAll() override { ++closeAlls; }
  std::vector<std::wstring> shown;
  int closeAlls = 0;
};
