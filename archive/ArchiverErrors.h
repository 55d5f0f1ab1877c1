#pragma once
// Exceptions of the archiver layer. Library return codes are never turned
// into exceptions; these report what the layer itself cannot do.

#include <initializer_list>
#include <string>
#include <string_view>

#include "base/errors/Errors.h"

class EArchiver : public EZelkError {
  using EZelkError::EZelkError;
};

// An archiver library cannot be loaded.
class ENoArchiverDLL : public EArchiver {
  using EArchiver::EArchiver;
};

// A mandatory entry is missing from a loaded library.
class EEntryNotFound : public EArchiver {
  using EArchiver::EArchiver;
};

// A file needed to make a self-extracting archive is missing.
class ESfxNoRequiredFile : public EArchiver {
 public:
  ESfxNoRequiredFile(std::wstring archiveKind, std::wstring sfxKind, std::wstring requiredFile);
  [[nodiscard]] const std::wstring& ArchiveKind() const { return archiveKind_; }
  [[nodiscard]] const std::wstring& SfxKind() const { return sfxKind_; }
  [[nodiscard]] const std::wstring& RequiredFile() const { return requiredFile_; }

 private:
  std::wstring archiveKind_, sfxKind_, requiredFile_;
};

// Text that is not a date where a date bound is expected.
class EConvertError : public EZelkError {
  using EZelkError::EZelkError;
};

// Fills the indexed places "%0:s", "%1:s", ... of a message.
[[nodiscard]] std::wstring FormatText(std::wstring_view pattern,
                                      std::initializer_list<std::wstring_view> values);
