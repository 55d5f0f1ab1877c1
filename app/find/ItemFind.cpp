#include "app/find/ItemFind.h"

#include <algorithm>
#include <cstring>

#include "base/text/AnsiField.h"
#include "base/text/Paths.h"

namespace {

constexpr wchar_t kLineEnd = L'\n';  // folding keeps it

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find(kLineEnd); end != std::wstring::npos;
       end = text.find(kLineEnd, start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace

// The names of a sheet are folded in one call: one call per name would cost
// most of the find's start.
void TItemFind::AddSheet(int sheetIndex, const TSheetBuffer& sheet, int sortMode) {
  const auto first = candidates_.size();
  std::wstring names;
  for (std::size_t i = 0; i < static_cast<std::size_t>(sheet.Count); ++i) {
    const TLauncherItem& item = sheet.Items[i];
    std::wstring target = DecodeField(item.Target, codec_);
    names += DecodeField(item.Display, codec_) + kLineEnd + FileNameOf(target) + kLineEnd;
    candidates_.push_back({sheetIndex, item, std::move(target), {}, {}});
  }
  const std::vector<std::wstring> folded = Lines(codec_.Fold(names));
  const auto added = candidates_.begin() + static_cast<std::ptrdiff_t>(first);
  // A name that holds a line end itself is folded alone.
  const bool whole = folded.size() == 2 * static_cast<std::size_t>(sheet.Count);
  for (std::size_t i = 0; i < static_cast<std::size_t>(sheet.Count); ++i) {
    TFindCandidate& candidate = added[static_cast<std::ptrdiff_t>(i)];
    candidate.FoldedDisplay =
        whole ? folded[2 * i] : codec_.Fold(DecodeField(candidate.Item.Display, codec_));
    candidate.FoldedFileName =
        whole ? folded[2 * i + 1] : codec_.Fold(FileNameOf(candidate.Target));
  }
  std::stable_sort(added, candidates_.end(), [sortMode](const auto& a, const auto& b) {
    if (sortMode == 1 && a.Item.Count != b.Item.Count) return a.Item.Count > b.Item.Count;
    return a.Item.Slot < b.Item.Slot;
  });
}

void TItemFind::Filter(std::wstring_view text) {
  const std::wstring folded = codec_.Fold(text);
  foundCandidates_.clear();
  for (std::size_t i = 0; i < candidates_.size() && foundCandidates_.size() < kItemLimit; ++i) {
    const TFindCandidate& candidate = candidates_[i];
    if (candidate.FoldedDisplay.find(folded) != std::wstring::npos ||
        candidate.FoldedFileName.find(folded) != std::wstring::npos) {
      foundCandidates_.push_back(i);
    }
  }
  found_.Count = static_cast<std::int32_t>(foundCandidates_.size());
  for (std::size_t slot = 0; slot < foundCandidates_.size(); ++slot) {
    found_.Items[slot] = candidates_[foundCandidates_[slot]].Item;
    found_.Items[slot].Slot = static_cast<std::int32_t>(slot);
  }
}

const TFindCandidate& TItemFind::FoundAt(int slot) const {
  return candidates_[foundCandidates_.at(static_cast<std::size_t>(slot))];
}

std::vector<std::wstring> TItemFind::FoundTargets() const {
  std::vector<std::wstring> targets;
  for (const std::size_t i : foundCandidates_) targets.push_back(candidates_[i].Target);
  return targets;
}

std::wstring TItemFind::FoundHint(int slot) const {
  const TFindCandidate& found = FoundAt(slot);
  std::wstring hint = DecodeField(found.Item.Display, codec_);
  const auto sheet = static_cast<std::size_t>(found.Sheet);
  if (sheet < sheetNames_.size()) hint += L"\n「" + sheetNames_[sheet] + L"」シート";
  return hint;
}

namespace {

template <std::size_t N>
bool SameField(const char (&a)[N], const char (&b)[N]) {
  return std::strncmp(a, b, N) == 0;
}

}  // namespace

int SlotOfSameItem(const TSheetBuffer& sheet, const TLauncherItem& item) {
  const auto same = [](const auto& a, const auto& b) { return SameField(a, b); };
  for (std::size_t i = 0; i < static_cast<std::size_t>(sheet.Count); ++i) {
    const TLauncherItem& held = sheet.Items[i];
    if (same(held.Target, item.Target) && same(held.Params, item.Params) &&
        same(held.Display, item.Display)) {
      return held.Slot;
    }
  }
  return -1;
}
