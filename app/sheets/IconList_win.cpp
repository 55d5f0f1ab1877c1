#include "app/sheets/IconList_win.h"

#include <algorithm>
#include <numeric>

void TSheetIcons::Clear() {
  targets_.clear();
  images_.clear();
}

void TSheetIcons::AppendIconOf(std::wstring_view target) {
  targets_.emplace_back(target);
  images_.push_back(cache_.ImageOf(target));
}

bool TSheetIcons::AppendLookedUpIcon(std::wstring_view target) {
  if (!cache_.LookUpNow(target)) return false;
  AppendIconOf(target);
  return true;
}

void TSheetIcons::Delete(int index) {
  targets_.erase(targets_.begin() + index);
  images_.erase(images_.begin() + index);
}

void TSheetIcons::RequestPending(const TSheetBuffer& sheet) {
  std::vector<std::size_t> order(targets_.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  if (order.size() <= static_cast<std::size_t>(sheet.Count)) {
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return sheet.Items[a].Slot < sheet.Items[b].Slot;
    });
  }
  std::vector<std::wstring> targets;
  for (const std::size_t i : order) targets.push_back(targets_[i]);
  cache_.Request(targets);
}

bool TSheetIcons::Refresh() {
  bool changed = false;
  for (std::size_t i = 0; i < targets_.size(); ++i) {
    const int image = cache_.ImageOf(targets_[i]);
    changed = changed || image != images_[i];
    images_[i] = image;
  }
  return changed;
}
