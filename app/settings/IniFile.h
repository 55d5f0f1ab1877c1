#pragma once
// An INI file read once into a document and written back whole in one go, in
// the encoding it was read in (told by its byte-order mark, as the system's
// profile functions tell it): the store replaces it atomically, so a full
// disk or a crash leaves the old file or the new one, never a short one, and
// every line the program does not write keeps its bytes.

#include <string>
#include <vector>

#include "app/settings/IniDocument.h"
#include "app/sheets/FileStore.h"
#include "base/text/TextCodec.h"
#include "base/text/TextEncoding.h"

class TIniFile {
 public:
  // Reads the file as it is now (none: an empty document in the ANSI code
  // page). Not owned: the store and the codec outlive this object. Raises
  // EInOutError when the file exists but cannot be read, so that it is never
  // written over unread. A file that is not exactly a text of its encoding
  // gives an empty document, and Save keeps the file aside.
  TIniFile(std::wstring path, IFileStore& store, const ITextCodec& codec);

  [[nodiscard]] IProfile& Profile() { return document_; }
  [[nodiscard]] TTextEncoding Encoding() const { return encoding_; }
  // Writes the document in the file's encoding. A file that could not be
  // read as text is first copied aside (KeptAside() names the copy) and a
  // new file written in its place. Raises EInOutError, with the file's old
  // content kept, when it cannot be written, or when a character has no form
  // in the encoding: no character is ever written as "?".
  void Save();
  // The copy of a file that could not be read as text; empty when none was made.
  [[nodiscard]] const std::wstring& KeptAside() const { return keptAside_; }

 private:
  std::wstring path_;
  IFileStore& store_;
  const ITextCodec& codec_;
  TTextEncoding encoding_ = TTextEncoding::Ansi;
  TIniDocument document_;
  std::vector<std::uint8_t> unreadable_;  // the bytes of a file that was no text
  std::wstring keptAside_;
};
