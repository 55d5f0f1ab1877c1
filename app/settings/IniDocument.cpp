#include "app/settings/IniDocument.h"

#include <algorithm>

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view Trimmed(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

wchar_t FoldAscii(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](wchar_t x, wchar_t y) { return FoldAscii(x) == FoldAscii(y); });
}

// "[name]" gives the name; nullopt for any other line.
std::optional<std::wstring_view> SectionName(std::wstring_view line) {
  line = Trimmed(line);
  if (line.empty() || line.front() != L'[') return std::nullopt;
  const std::size_t close = line.find(L']');
  if (close == std::wstring_view::npos) return std::nullopt;
  return Trimmed(line.substr(1, close - 1));
}

std::wstring_view KeyOf(std::wstring_view line) {
  const std::wstring_view trimmed = Trimmed(line);
  if (trimmed.empty() || trimmed.front() == L';') return {};
  const std::size_t equals = trimmed.find(L'=');
  if (equals == std::wstring_view::npos) return {};
  return Trimmed(trimmed.substr(0, equals));
}

std::wstring ValueOf(std::wstring_view line) {
  std::wstring_view value = Trimmed(line.substr(line.find(L'=') + 1));
  // A value in double quotes is read without them.
  if (value.size() >= 2 && value.front() == L'"' && value.back() == L'"') {
    value = value.substr(1, value.size() - 2);
  }
  return std::wstring(value);
}

}  // namespace

TIniDocument::TIniDocument(std::wstring_view text) {
  sections_.push_back({});
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of(L"\r\n"), text.size());
    const std::wstring_view line = text.substr(0, end);
    // CR LF, LF or a lone CR ends a line.
    const std::size_t endLength = text.compare(end, 2, L"\r\n") == 0 ? 2
                                  : end < text.size()                ? 1
                                                                     : 0;
    const std::wstring ending(text.substr(end, endLength));
    if (const auto name = SectionName(line)) {
      sections_.push_back({std::wstring(*name), {}});
      sections_.back().lines.push_back({std::wstring(line), {}, ending});
    } else {
      sections_.back().lines.push_back({std::wstring(line), std::wstring(KeyOf(line)), ending});
    }
    text.remove_prefix(end + endLength);
  }
}

std::size_t TIniDocument::FindSection(std::wstring_view name) const {
  // The lines before the first section belong to no section a caller can name.
  for (std::size_t i = 1; i < sections_.size(); ++i) {
    if (SameName(sections_[i].name, name)) return i;
  }
  return 0;
}

std::optional<std::wstring> TIniDocument::ReadString(std::wstring_view section,
                                                     std::wstring_view key) const {
  const std::size_t found = FindSection(section);
  if (found == 0 || key.empty()) return std::nullopt;
  for (const Line& line : sections_[found].lines) {
    if (SameName(line.key, key)) return ValueOf(line.text);
  }
  return std::nullopt;
}

void TIniDocument::WriteString(std::wstring_view section, std::wstring_view key,
                               std::wstring_view value) {
  Line written{std::wstring(key) + L"=" + std::wstring(value), std::wstring(key), L"\r\n"};
  const std::size_t index = FindSection(section);
  if (index == 0) {
    if (sections_.empty()) sections_.push_back({});
    sections_.push_back(
        {std::wstring(section), {{L"[" + std::wstring(section) + L"]", {}, L"\r\n"}}});
    sections_.back().lines.push_back(std::move(written));
    return;
  }
  std::vector<Line>& lines = sections_[index].lines;
  std::size_t afterLastKey = 1;  // after the header line
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Line& line = lines[i];
    if (line.key.empty()) continue;
    if (SameName(line.key, key)) {
      // The key keeps the spelling the file gave it.
      line.text = line.key + L"=" + std::wstring(value);
      return;
    }
    afterLastKey = i + 1;
  }
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(afterLastKey), std::move(written));
}

std::wstring TIniDocument::Text() const {
  std::wstring text;
  bool unended = false;  // the line before has no end of its own
  for (const Section& section : sections_) {
    for (const Line& line : section.lines) {
      if (unended) text += L"\r\n";
      text += line.text;
      text += line.ending;
      unended = line.ending.empty();
    }
  }
  return text;
}
