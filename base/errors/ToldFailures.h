#pragma once
// Failures told once: a failure of one kind of save, for the same reason, is
// told again only after a save of that kind has succeeded meanwhile, so that
// a problem that stays (a folder that cannot be made, a read-only file) is
// told once and not at every save.

#include <map>
#include <set>
#include <string>
#include <string_view>

class TToldFailures {
 public:
  // True when the failure is to be told now.
  [[nodiscard]] bool FirstTime(std::wstring_view kind, std::wstring_view reason) {
    return told_[std::wstring(kind)].insert(std::wstring(reason)).second;
  }
  void Succeeded(std::wstring_view kind) { told_.erase(std::wstring(kind)); }

 private:
  std::map<std::wstring, std::set<std::wstring>, std::less<>> told_;
};
