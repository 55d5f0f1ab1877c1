#pragma once
// An icon list whose shell knows every target except the ones named missing.

#include <set>
#include <string>
#include <vector>

#include "app/sheets/IconList.h"

class FakeIconList : public IIconList {
 public:
  static constexpr const wchar_t* kPlaceholder = L"(not found)";
  void Clear() override {
    icons.clear();
    ++clears;
  }
  void AppendIconOf(std::wstring_view target) override {
    icons.emplace_back(missing.contains(std::wstring(target)) ? std::wstring(kPlaceholder)
                                                              : std::wstring(target));
  }
  bool AppendLookedUpIcon(std::wstring_view target) override {
    if (missing.contains(std::wstring(target))) return false;
    icons.emplace_back(target);
    return true;
  }
  void Delete(int index) override { icons.erase(icons.begin() + index); }

  std::set<std::wstring> missing;
  std::vector<std::wstring> icons;  // the target of each icon, by index
  int clears = 0;
};
