#pragma once
// INI files through the system's private-profile interface, which keeps them
// in the ANSI code page.

#include <string>

#include "app/settings/Profile.h"

class TPrivateProfile : public IProfile {
 public:
  explicit TPrivateProfile(std::wstring path) : path_(std::move(path)) {}
  [[nodiscard]] std::optional<std::wstring> ReadString(std::wstring_view section,
                                                       std::wstring_view key) const override;
  void WriteString(std::wstring_view section, std::wstring_view key,
                   std::wstring_view value) override;
  [[nodiscard]] const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

// Writes a whole set of keys so that the file is replaced in one step: the
// keys go to a copy in the same folder, which is then moved over the file.
// A crash or a full disk leaves the old file or the new one, never a short one.
// Destroyed without Commit, it removes the copy and leaves the file as it was.
class TProfileTransaction {
 public:
  explicit TProfileTransaction(std::wstring path);
  ~TProfileTransaction();
  TProfileTransaction(const TProfileTransaction&) = delete;
  TProfileTransaction& operator=(const TProfileTransaction&) = delete;

  [[nodiscard]] IProfile& Profile() { return copy_; }
  // False when the copy could not be made or moved over the file.
  [[nodiscard]] bool Commit();

 private:
  std::wstring path_;
  TPrivateProfile copy_;
  bool ready_ = false;
};
