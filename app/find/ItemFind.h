#pragma once
// Finding items by name over every sheet: the items are read once when the
// find begins, and each change of the typed text only filters them. Nothing
// is written to any file.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/sheets/SheetBuffer.h"
#include "base/text/TextCodec.h"

struct TFindCandidate {
  int Sheet = 0;       // index in the sheet list
  TLauncherItem Item;  // as its sheet holds it
  std::wstring Target;
  std::wstring FoldedDisplay;
  std::wstring FoldedFileName;  // of the target
};

class TItemFind {
 public:
  // Not owned: the codec outlives this object. The sheet names, by their
  // index, go into the found items' hints.
  explicit TItemFind(const ITextCodec& codec, std::vector<std::wstring> sheetNames = {})
      : codec_(codec), sheetNames_(std::move(sheetNames)) {}

  // Adds a sheet's items after those added before, ordered as the sort mode
  // orders a sheet: by use count for SORTMODE 1, otherwise by slot. The
  // current sheet is added first.
  void AddSheet(int sheetIndex, const TSheetBuffer& sheet, int sortMode);
  // The items whose display name or target file name contains the text,
  // with case, width and kana folded; all of them for an empty text.
  void Filter(std::wstring_view text);

  // The found items in slots 0, 1, ... for the item area, at most a sheet's
  // worth of them.
  [[nodiscard]] const TSheetBuffer& Found() const { return found_; }
  [[nodiscard]] const TFindCandidate& FoundAt(int slot) const;
  [[nodiscard]] std::vector<std::wstring> FoundTargets() const;
  // The item hint of a found item: its display name, and its sheet's name.
  [[nodiscard]] std::wstring FoundHint(int slot) const;

 private:
  const ITextCodec& codec_;
  std::vector<std::wstring> sheetNames_;
  std::vector<TFindCandidate> candidates_;
  std::vector<std::size_t> foundCandidates_;  // per slot of found_
  TSheetBuffer found_;
};

// The slot of the first item of the sheet with the same target, parameters
// and display name; -1 when the sheet has none.
[[nodiscard]] int SlotOfSameItem(const TSheetBuffer& sheet, const TLauncherItem& item);
