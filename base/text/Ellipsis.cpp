#include "base/text/Ellipsis.h"

namespace {

constexpr wchar_t kEllipsis = L'\u2026';

bool IsTrailSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::wstring FitWithEllipsis(std::wstring_view text, int width, const TTextWidth& measure) {
  if (measure(text) <= width) return std::wstring(text);
  // The widths of the beginnings grow with their length: the longest one
  // that fits is found by halving.
  std::size_t fits = 0;
  std::size_t tooLong = text.size();
  while (tooLong - fits > 1) {
    const std::size_t middle = (fits + tooLong) / 2;
    std::wstring shortened(text.substr(0, middle));
    shortened += kEllipsis;
    if (measure(shortened) <= width) {
      fits = middle;
    } else {
      tooLong = middle;
    }
  }
  if (fits > 0 && IsTrailSurrogate(text[fits])) --fits;  // the pair stays whole
  std::wstring shortened(text.substr(0, fits));
  shortened += kEllipsis;
  return shortened;
}
