#include "base/text/TextFit.h"

#include <algorithm>

namespace {

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Drawn on the character before them: combining accents, the kana voicing
// marks, variation selectors.
bool IsMark(wchar_t c) {
  return (c >= 0x0300 && c <= 0x036F) || c == 0x3099 || c == 0x309A || (c >= 0xFE00 && c <= 0xFE0F);
}

// Where each whole character of the text ends.
std::vector<std::size_t> CharacterEnds(std::wstring_view text) {
  std::vector<std::size_t> ends;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t next = at + 1;
    if (IsHighSurrogate(text[at]) && next < text.size() && IsLowSurrogate(text[next])) ++next;
    while (next < text.size() && IsMark(text[next])) ++next;
    ends.push_back(next);
    at = next;
  }
  return ends;
}

// How many of the ends from `first` on close a text from `start` that fits
// with the suffix; the widths grow with the text, so the count is searched.
std::size_t FittingCount(const TTextWidth& measure, std::wstring_view text, std::size_t start,
                         const std::vector<std::size_t>& ends, std::size_t first,
                         std::wstring_view suffix, int width) {
  std::size_t low = 0;  // fits
  std::size_t high = ends.size() - first;
  while (low < high) {
    const std::size_t middle = (low + high + 1) / 2;
    const std::size_t end = ends[first + middle - 1];
    std::wstring candidate(text.substr(start, end - start));
    candidate += suffix;
    if (measure(candidate) <= width) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return low;
}

std::vector<std::wstring> GreedyLines(const TTextWidth& measure, std::wstring_view text,
                                      const std::vector<std::size_t>& ends, int width) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (std::size_t first = 0; first < ends.size();) {
    const std::size_t count =
        std::max<std::size_t>(1, FittingCount(measure, text, start, ends, first, {}, width));
    const std::size_t end = ends[first + count - 1];
    lines.emplace_back(text.substr(start, end - start));
    start = end;
    first += count;
  }
  return lines;
}

}  // namespace

std::wstring FitWithEllipsis(std::wstring_view text, int width, const TTextWidth& measure) {
  if (measure(text) <= width) return std::wstring(text);
  const std::vector<std::size_t> ends = CharacterEnds(text);
  const std::size_t kept = FittingCount(measure, text, 0, ends, 0, kEllipsis, width);
  std::wstring shown(text.substr(0, kept == 0 ? 0 : ends[kept - 1]));
  return shown += kEllipsis;
}

// As few lines as the width allows, and of even lengths: the narrowest
// width that needs no more lines.
std::vector<std::wstring> WrappedLines(std::wstring_view text, int width,
                                       const TTextWidth& measure) {
  const std::vector<std::size_t> ends = CharacterEnds(text);
  const std::size_t count = GreedyLines(measure, text, ends, width).size();
  int low = 1;
  int high = std::max(1, width);
  while (low < high) {
    const int middle = (low + high) / 2;
    if (GreedyLines(measure, text, ends, middle).size() <= count) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return GreedyLines(measure, text, ends, low);
}
