#pragma once
// Seam for the system's ANSI code page (Shift-JIS on a Japanese system): the
// encoding of record fields and of the settings and data files.

#include <optional>
#include <string>
#include <string_view>

class ITextCodec {
 public:
  virtual ~ITextCodec() = default;
  // nullopt when a character has no form in the ANSI code page.
  [[nodiscard]] virtual std::optional<std::string> Encode(std::wstring_view text) const = 0;
  [[nodiscard]] virtual std::wstring Decode(std::string_view bytes) const = 0;
  // The text with case, character width and katakana/hiragana folded by the
  // system's string mapping, so that ﾒﾓ, メモ and めも fold alike.
  [[nodiscard]] virtual std::wstring Fold(std::wstring_view text) const = 0;
};
