#pragma once
// The ANSI code page of a Japanese system (932, Shift-JIS), through iconv.

#include "base/text/TextCodec.h"

class Cp932Codec : public ITextCodec {
 public:
  std::optional<std::string> Encode(std::wstring_view text) const override;
  std::wstring Decode(std::string_view bytes) const override;
  // A table of the system's folding for the characters tests use.
  std::wstring Fold(std::wstring_view text) const override;
};

// Shift-JIS bytes of a text that has them.
std::string Sjis(std::wstring_view text);
