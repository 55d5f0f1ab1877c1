#pragma once
// INI files read through the system's private-profile interface, which keeps
// them in the ANSI code page. Saving goes through TIniFile, which writes a
// file in one go instead of rewriting it for every key.

#include <string>

#include "app/settings/Profile.h"

class TPrivateProfile : public IProfile {
 public:
  explicit TPrivateProfile(std::wstring path) : path_(std::move(path)) {}
  [[nodiscard]] std::optional<std::wstring> ReadString(std::wstring_view section,
                                                       std::wstring_view key) const override;
  // Raises EInOutError when the key cannot be written.
  void WriteString(std::wstring_view section, std::wstring_view key,
                   std::wstring_view value) override;
  [[nodiscard]] const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};
