#pragma once
// Seam for one INI file: read through the system's private-profile interface
// or held as a document that is written in one go; sections and keys compared
// without regard to case, values as text.

#include <optional>
#include <string>
#include <string_view>

class IProfile {
 public:
  virtual ~IProfile() = default;
  // nullopt when the file, the section or the key is missing.
  [[nodiscard]] virtual std::optional<std::wstring> ReadString(std::wstring_view section,
                                                               std::wstring_view key) const = 0;
  virtual void WriteString(std::wstring_view section, std::wstring_view key,
                           std::wstring_view value) = 0;
};

// The file's conventions on top of the seam: integers as signed decimal text
// (a missing key or a non-number gives the fallback), booleans as "1" and "0"
// (any non-zero integer reads as true).
[[nodiscard]] int ReadInteger(const IProfile& profile, std::wstring_view section,
                              std::wstring_view key, int fallback);
[[nodiscard]] bool ReadBool(const IProfile& profile, std::wstring_view section,
                            std::wstring_view key, bool fallback);
[[nodiscard]] std::wstring ReadText(const IProfile& profile, std::wstring_view section,
                                    std::wstring_view key, std::wstring_view fallback);
void WriteInteger(IProfile& profile, std::wstring_view section, std::wstring_view key, int value);
void WriteBool(IProfile& profile, std::wstring_view section, std::wstring_view key, bool value);

// Signed 32-bit decimal, whole text; nullopt for anything else.
[[nodiscard]] std::optional<int> ParseInteger(std::wstring_view text);
