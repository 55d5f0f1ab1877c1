#pragma once
// Text for the archiver libraries, which take the system's ANSI code page.

#include <string>
#include <string_view>

#include "base/text/TextCodec.h"

// The text in the ANSI code page; raises EArchiver when a character has no
// form there, rather than handing the library a mangled name.
[[nodiscard]] std::string LibraryText(const ITextCodec& codec, std::wstring_view text);

// The library's message text: the bytes up to the first zero.
[[nodiscard]] std::wstring LibraryOutput(const ITextCodec& codec, std::string_view buffer);
