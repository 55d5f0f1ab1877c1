#include "app/sheets/SheetNames.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <string>

namespace {

constexpr std::size_t kMaxFileNameLength = 255;

std::wstring UpperAscii(std::wstring_view text) {
  std::wstring upper(text);
  for (wchar_t& c : upper) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  return upper;
}

bool IsDeviceName(std::wstring_view name) {
  // "CON", "con.txt" and "CON .txt" all name the device.
  std::wstring stem = UpperAscii(name.substr(0, name.find(L'.')));
  while (!stem.empty() && stem.back() == L' ') stem.pop_back();
  static const std::array<std::wstring_view, 4> kPlain = {L"CON", L"PRN", L"AUX", L"NUL"};
  if (std::find(kPlain.begin(), kPlain.end(), stem) != kPlain.end()) return true;
  return stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) &&
         stem[3] >= L'0' && stem[3] <= L'9';
}

}  // namespace

bool IsValidSheetFileName(std::wstring_view name) {
  if (name.empty() || name.size() > kMaxFileNameLength) return false;
  if (name.back() == L' ' || name.back() == L'.') return false;  // also "." and ".."
  for (wchar_t c : name) {
    if (c < 0x20 || std::wstring_view(L"<>:\"/\\|?*").find(c) != std::wstring_view::npos) {
      return false;
    }
  }
  return !IsDeviceName(name);
}
