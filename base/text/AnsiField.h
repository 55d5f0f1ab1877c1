#pragma once
// Fixed-size, NUL-terminated ANSI text fields of the launcher item record.
// Text crosses the record boundary only here, through the codec.

#include <cstddef>
#include <string>
#include <string_view>

#include "base/text/TextCodec.h"

// The text up to the first NUL inside the field (the whole field when none).
[[nodiscard]] std::wstring DecodeField(const char* field, std::size_t size, const ITextCodec& codec);

// Stores text NUL-terminated in the field. Refuses, with a message naming
// the text, what the ANSI code page cannot hold or what does not fit; the
// field then keeps its old bytes.
void EncodeField(char* field, std::size_t size, std::wstring_view text, const ITextCodec& codec);

// True when EncodeField would accept the text.
[[nodiscard]] bool FitsField(std::size_t size, std::wstring_view text, const ITextCodec& codec);

template <std::size_t N>
[[nodiscard]] std::wstring DecodeField(const char (&field)[N], const ITextCodec& codec) {
  return DecodeField(field, N, codec);
}

template <std::size_t N>
void EncodeField(char (&field)[N], std::wstring_view text, const ITextCodec& codec) {
  EncodeField(field, N, text, codec);
}
