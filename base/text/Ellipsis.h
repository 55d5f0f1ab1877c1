#pragma once
// A text shortened to a width: cut after a whole character and ended by "…".

#include <functional>
#include <string>
#include <string_view>

// The width a text takes when drawn, in pixels.
using TTextWidth = std::function<int(std::wstring_view text)>;

// The text itself when it fits the width; else its longest beginning that
// fits with "…" after it (the "…" alone when no character does). A
// surrogate pair is never split.
[[nodiscard]] std::wstring FitWithEllipsis(std::wstring_view text, int width,
                                           const TTextWidth& measure);
