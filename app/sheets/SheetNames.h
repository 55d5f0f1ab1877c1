#pragma once
// A sheet name is also the file name of its sheet file in the data folder.

#include <string_view>

// False for names that would lead outside the data folder or that Windows
// does not take as a file name of their own: empty, "." and "..", path
// separators and the other reserved characters, control characters, a
// trailing blank or dot (Windows drops them, so two names would share a
// file), and device names such as CON or LPT1.
[[nodiscard]] bool IsValidSheetFileName(std::wstring_view name);
