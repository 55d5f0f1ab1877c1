#pragma once
// An INI file's text as a document: every line is kept in its order (keys
// the program does not know, comments, blank lines) with its own line end,
// so that a file can be read once, given new values and written back whole in
// one go, the lines not written to exactly as they were.
// Sections and keys are compared without regard to ASCII case; the first of
// several equal sections or keys is the one read and written.

#include <string>
#include <string_view>
#include <vector>

#include "app/settings/Profile.h"

class TIniDocument : public IProfile {
 public:
  TIniDocument() = default;
  explicit TIniDocument(std::wstring_view text);

  [[nodiscard]] std::optional<std::wstring> ReadString(std::wstring_view section,
                                                       std::wstring_view key) const override;
  // Replaces the key's line in place, or adds it after the section's last key,
  // or adds the section at the end of the file.
  void WriteString(std::wstring_view section, std::wstring_view key,
                   std::wstring_view value) override;

  // The whole text. Lines keep their ends; a new line ends with CR LF, and
  // so does a last line without an end once a line follows it.
  [[nodiscard]] std::wstring Text() const;

 private:
  struct Line {
    std::wstring text;
    std::wstring key;     // empty for a line that holds no key
    std::wstring ending;  // CR LF, LF, CR, or none for the file's last line
  };
  struct Section {
    std::wstring name;        // empty for the lines before the first section
    std::vector<Line> lines;  // the header line first, when there is one
  };

  // The index of the first section of that name; 0 when there is none.
  [[nodiscard]] std::size_t FindSection(std::wstring_view name) const;
  std::vector<Section> sections_;
};
