#pragma once
// The system's ANSI code page, through the Win32 conversion calls.

#include "base/text/TextCodec.h"

class TAnsiCodec : public ITextCodec {
 public:
  [[nodiscard]] std::optional<std::string> Encode(std::wstring_view text) const override;
  [[nodiscard]] std::wstring Decode(std::string_view bytes) const override;
  [[nodiscard]] std::wstring Fold(std::wstring_view text) const override;
};
