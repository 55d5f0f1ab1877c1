#include "app/settings/Profile.h"

#include <cstdint>
#include <limits>

std::optional<int> ParseInteger(std::wstring_view text) {
  std::size_t position = 0;
  bool negative = false;
  if (position < text.size() && (text[position] == L'-' || text[position] == L'+')) {
    negative = text[position] == L'-';
    ++position;
  }
  if (position == text.size()) return std::nullopt;
  std::int64_t magnitude = 0;
  for (; position < text.size(); ++position) {
    const wchar_t digit = text[position];
    if (digit < L'0' || digit > L'9') return std::nullopt;
    magnitude = magnitude * 10 + (digit - L'0');
    if (magnitude > std::int64_t{std::numeric_limits<int>::max()} + 1) return std::nullopt;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

int ReadInteger(const IProfile& profile, std::wstring_view section, std::wstring_view key,
                int fallback) {
  const auto text = profile.ReadString(section, key);
  if (!text) return fallback;
  return ParseInteger(*text).value_or(fallback);
}

bool ReadBool(const IProfile& profile, std::wstring_view section, std::wstring_view key,
              bool fallback) {
  return ReadInteger(profile, section, key, fallback ? 1 : 0) != 0;
}

std::wstring ReadText(const IProfile& profile, std::wstring_view section, std::wstring_view key,
                      std::wstring_view fallback) {
  return profile.ReadString(section, key).value_or(std::wstring(fallback));
}

void WriteInteger(IProfile& profile, std::wstring_view section, std::wstring_view key, int value) {
  profile.WriteString(section, key, std::to_wstring(value));
}

void WriteBool(IProfile& profile, std::wstring_view section, std::wstring_view key, bool value) {
  profile.WriteString(section, key, value ? L"1" : L"0");
}
