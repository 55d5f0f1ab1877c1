#pragma once
// Fixed-size, NUL-terminated ANSI text fields of the launcher item record.
// Text crosses the record boundary only here, through the codec.

#include <cstddef>
#include <string>
#include <string_view>

#include "base/text/TextCodec.h"

// The text up to the first NUL inside the field (the whole field when none).
[[nodiscard]] std::wstring DecodeField(const char* field, std::size_t size, const ITextCodec& codec);

// Stores text NUL-terminated in the field. Refuses, with a short message
// naming `what` (the text itself, quoted, when no name is given), what the
// ANSI code page cannot hold or what does not fit; the field then keeps its
// old bytes.
void EncodeField(char* field, std::size_t size, std::wstring_view text, const ITextCodec& codec,
                 std::wstring_view what = {});

// True when EncodeField would accept the text.
[[nodiscard]] bool FitsField(std::size_t size, std::wstring_view text, const ITextCodec& codec);

// The text's length in bytes of the ANSI code page, as a field would hold
// it; a character without an ANSI form counts one byte (the system's "?").
[[nodiscard]] std::size_t AnsiByteLength(std::wstring_view text, const ITextCodec& codec);

template <std::size_t N>
[[nodiscard]] std::wstring DecodeField(const char (&field)[N], const ITextCodec& codec) {
  return DecodeField(field, N, codec);
}

template <std::size_t N>
void EncodeField(char (&field)[N], std::wstring_view text, const ITextCodec& codec,
                 std::wstring_view what = {}) {
  EncodeField(field, N, text, codec, what);
}
