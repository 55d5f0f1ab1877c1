#include "app/sheets/IconList_win.h"

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
  // Each slot's first item, then any item without a cell of its own.
  std::vector<int> itemOfSlot(kSlotCount, -1);
  std::vector<bool> placed(targets_.size(), false);
  for (std::size_t i = 0; i < targets_.size() && i < static_cast<std::size_t>(sheet.Count); ++i) {
    const int slot = sheet.Items[i].Slot;
    if (slot < 0 || slot >= kSlotCount || itemOfSlot[static_cast<std::size_t>(slot)] >= 0) continue;
    itemOfSlot[static_cast<std::size_t>(slot)] = static_cast<int>(i);
    placed[i] = true;
  }
  std::vector<std::wstring> targets;
  for (const int item : itemOfSlot) {
    if (item >= 0) targets.push_back(targets_[static_cast<std::size_t>(item)]);
  }
  for (std::size_t i = 0; i < targets_.size(); ++i) {
    if (!placed[i]) targets.push_back(targets_[i]);
  }
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
