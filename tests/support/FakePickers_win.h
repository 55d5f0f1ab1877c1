#pragma once
// The colour picker and the open-file dialog answering as told, without a
// window, and recording what they were asked.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/services/ColorPicker_win.h"
#include "app/services/OpenFileDialog_win.h"

class FakeColorPicker : public IColorPicker {
 public:
  std::optional<TColor> PickColor(HWND, TColor initial) override {
    asked.push_back(initial);
    return answer;
  }

  std::optional<TColor> answer;  // none: the user cancels
  std::vector<TColor> asked;
};

class FakeOpenFileDialog : public IOpenFileDialog {
 public:
  std::vector<std::wstring> PickFiles(HWND, const std::wstring& title) override {
    titles.push_back(title);
    return answer;
  }

  std::vector<std::wstring> answer;  // none: the user cancels
  std::vector<std::wstring> titles;
};
