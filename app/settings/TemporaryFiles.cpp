#include "app/settings/TemporaryFiles.h"

#include <cwctype>

namespace {

bool SameAscii(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

bool IsHexDigit(wchar_t c) {
  return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f');
}

}  // namespace

bool IsOwnTemporaryFileName(std::wstring_view name) {
  const std::wstring_view prefix = kTemporaryFilePrefix;
  const std::wstring_view suffix = L".tmp";
  if (name.size() < prefix.size() + 1 + suffix.size() ||
      name.size() > prefix.size() + 4 + suffix.size()) {
    return false;
  }
  if (!SameAscii(name.substr(0, prefix.size()), prefix) ||
      !SameAscii(name.substr(name.size() - suffix.size()), suffix)) {
    return false;
  }
  const std::wstring_view digits =
      name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  for (wchar_t c : digits) {
    if (!IsHexDigit(c)) return false;
  }
  return true;
}
