#pragma once
// Fitting a text into a width, always between whole characters (a surrogate
// pair, or a character with its marks, stays whole): cut and ended with "…",
// or broken into lines.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::wstring_view kEllipsis = L"…";

// The width a text takes when drawn, in pixels.
using TTextWidth = std::function<int(std::wstring_view text)>;

// The text itself when it fits; otherwise its longest beginning that fits
// with "…" after it (the "…" alone when no character does).
[[nodiscard]] std::wstring FitWithEllipsis(std::wstring_view text, int width,
                                           const TTextWidth& measure);
// The text in as few lines no wider than the width as it takes, of even
// lengths; a character wider than the width stands on a line of its own.
[[nodiscard]] std::vector<std::wstring> WrappedLines(std::wstring_view text, int width,
                                                     const TTextWidth& measure);
