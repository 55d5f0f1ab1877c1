#pragma once
// An INI file in memory that records every write in order.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/settings/Profile.h"

class FakeProfile : public IProfile {
 public:
  struct Write {
    std::wstring section, key, value;
    bool operator==(const Write&) const = default;
  };

  std::optional<std::wstring> ReadString(std::wstring_view section,
                                         std::wstring_view key) const override {
    const auto found = values_.find({Fold(section), Fold(key)});
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }
  void WriteString(std::wstring_view section, std::wstring_view key,
                   std::wstring_view value) override {
    values_[{Fold(section), Fold(key)}] = value;
    writes.push_back({std::wstring(section), std::wstring(key), std::wstring(value)});
  }
  // Sets a value without recording it as a write.
  void Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    values_[{Fold(section), Fold(key)}] = value;
  }

  std::vector<Write> writes;

 private:
  static std::wstring Fold(std::wstring_view text) {
    std::wstring folded(text);
    for (wchar_t& c : folded) {
      if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return folded;
  }
  std::map<std::pair<std::wstring, std::wstring>, std::wstring> values_;
};
