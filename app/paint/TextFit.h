#pragma once
// Fitting a text into a width on a canvas, always between whole characters:
// cut and ended with "…", or broken into lines.

#include <string>
#include <string_view>
#include <vector>

#include "app/paint/Canvas.h"

inline constexpr std::wstring_view kEllipsis = L"…";

// The text itself when it fits; otherwise its longest beginning that fits
// with "…" after it.
[[nodiscard]] std::wstring EllipsizedText(ICanvas& canvas, std::wstring_view text, int width);
// The text in as few lines no wider than the width as it takes, of even
// lengths; a character wider than the width stands on a line of its own.
[[nodiscard]] std::vector<std::wstring> WrappedLines(ICanvas& canvas, std::wstring_view text,
                                                     int width);
