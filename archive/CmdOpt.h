#pragma once
// Builds a library command line item by item. Every item starts with one
// blank; values are quoted.

#include <functional>
#include <string>
#include <string_view>

#include "base/text/TextCodec.h"
#include "archive/ArchiverSystem.h"
#include "archive/FileList.h"

class TCmdOpt {
 public:
  using TNameFilter = std::function<std::wstring(std::wstring_view)>;

  // Off: "-xvalue" inside one pair of quotes. On: -x "value".
  bool SeparateValue = false;
  // Maps each file name to the form written on the command line.
  TNameFilter NameFilter;

  // One blank and the text; an empty text still adds the blank.
  void Add(std::wstring_view text);
  // "-" + name + value when the value is 0 or more.
  void AddNumber(std::wstring_view name, int value);
  void AddFlag(std::wstring_view name, bool on);
  // Nothing for an empty value. A name starting with a blank loses the blank
  // and gets no "-".
  void AddQuoted(std::wstring_view name, std::wstring_view value);
  // A folder, given a trailing backslash when it has none.
  void AddDir(std::wstring_view name, std::wstring_view folder);
  void AddFile(std::wstring_view name, std::wstring_view file);
  // Returns the number of names added.
  int AddFiles(std::wstring_view name, const TFileList& files);
  // Writes the names, each quoted on a line ending in CR LF, to the file at
  // the path in one write, and adds the one item "@path" quoted. Returns the
  // number of names.
  int AddResponseFile(const TFileList& files, const std::wstring& path, const ITextCodec& codec,
                      IArchiverSystem& system);

  [[nodiscard]] const std::wstring& Text() const { return text_; }

 private:
  [[nodiscard]] std::wstring Filtered(std::wstring_view file) const;

  std::wstring text_;
};
