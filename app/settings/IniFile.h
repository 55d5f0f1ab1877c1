#pragma once
// An INI file in the ANSI code page, read once into a document and written
// back whole in one go: the store replaces it atomically, so a full disk or a
// crash leaves the old file or the new one, never a short one.

#include <string>

#include "app/settings/IniDocument.h"
#include "app/sheets/FileStore.h"
#include "base/text/TextCodec.h"

class TIniFile {
 public:
  // Reads the file as it is now (none: an empty document). Not owned: the
  // store and the codec outlive this object. Raises EInOutError when the
  // file exists but cannot be read, so that it is never written over unread.
  TIniFile(std::wstring path, IFileStore& store, const ITextCodec& codec);

  [[nodiscard]] IProfile& Profile() { return document_; }
  // Raises EInOutError, with the file's old content kept, when it cannot be written.
  void Save();

 private:
  std::wstring path_;
  IFileStore& store_;
  const ITextCodec& codec_;
  TIniDocument document_;
};

// The text in the ANSI code page; a character the code page cannot hold
// becomes "?", as the system's own INI writing does.
[[nodiscard]] std::string EncodeAnsiText(std::wstring_view text, const ITextCodec& codec);
