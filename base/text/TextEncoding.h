#pragma once
// The encodings of the program's text files, told by the byte-order mark as
// the system's profile functions tell them: UTF-8 or UTF-16 (little- or
// big-endian) with their mark, else the ANSI code page. A file is written
// back in the encoding it was read in. Text in memory is UTF-16 code units
// on every platform.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/text/TextCodec.h"

enum class TTextEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

[[nodiscard]] TTextEncoding DetectTextEncoding(std::span<const std::uint8_t> bytes);

// The text after the mark; nullopt when the bytes are not exactly a text of
// that encoding, that is when they would not be written back as they are.
[[nodiscard]] std::optional<std::wstring> DecodeText(std::span<const std::uint8_t> bytes,
                                                     TTextEncoding encoding,
                                                     const ITextCodec& codec);

// The encoding's mark and the text; nullopt when a character has no form in
// it (the ANSI code page lacks most of them).
[[nodiscard]] std::optional<std::vector<std::uint8_t>> EncodeText(std::wstring_view text,
                                                                  TTextEncoding encoding,
                                                                  const ITextCodec& codec);

// The first character (one or two code units) that EncodeText cannot write;
// empty when there is none.
[[nodiscard]] std::wstring FirstUnwritableCharacter(std::wstring_view text, TTextEncoding encoding,
                                                    const ITextCodec& codec);
