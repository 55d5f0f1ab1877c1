#pragma once
// The colour picker and the folder browser answering as told, without a
// window, and recording what they were asked.

#include <windows.h>

#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

#include "app/services/ColorPicker_win.h"
#include "controls/SHBFFEX_win.h"

class FakeColorPicker : public IColorPicker {
 public:
  std::optional<TColor> PickColor(HWND, TColor initial) override {
    asked.push_back(initial);
    return answer;
  }

  std::optional<TColor> answer;  // none: the user cancels
  std::vector<TColor> asked;
};

class FakeFolderBrowser : public IFolderBrowserDialog {
 public:
  LPITEMIDLIST Browse(BROWSEINFOW&) override {
    return choice ? ILCreateFromPathW(choice->c_str()) : nullptr;
  }

  std::optional<std::wstring> choice;  // none: the user cancels
};
