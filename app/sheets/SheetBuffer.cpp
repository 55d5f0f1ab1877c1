#include "app/sheets/SheetBuffer.h"

#include <algorithm>
#include <bitset>
#include <numeric>
#include <vector>

#include "base/text/AnsiField.h"

namespace {

bool IsSlotNumber(std::int32_t slot) { return slot >= 0 && slot < kSlotCount; }

// The slot map: which slot numbers the valid items hold. Slots outside
// 0 ... 400 (only a damaged file has them) are left out rather than written
// past the map.
std::bitset<kSlotCount> MarkHeldSlots(const TSheetBuffer& sheet) {
  std::bitset<kSlotCount> held;
  for (int i = 0; i < sheet.Count; ++i) {
    if (IsSlotNumber(sheet.Items[i].Slot)) held.set(static_cast<std::size_t>(sheet.Items[i].Slot));
  }
  return held;
}

void SortByCount(TSheetBuffer& sheet, int lo, int hi) {
  auto& items = sheet.Items;
  while (lo < hi) {
    int i = lo;
    int j = hi;
    const std::int32_t pivot = items[static_cast<std::size_t>((lo + hi) / 2)].Count;
    do {
      while (items[static_cast<std::size_t>(i)].Count > pivot) ++i;
      while (items[static_cast<std::size_t>(j)].Count < pivot) --j;
      if (i <= j) {
        std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (lo < j) SortByCount(sheet, lo, j);
    lo = i;
  }
}

// The sheet keeps the cells it occupied; the records, in their new order,
// take them from the smallest up. Should a damaged file have left fewer
// distinct cells than items, the rest take the smallest unused numbers.
void HandOverSlots(TSheetBuffer& sheet, const std::bitset<kSlotCount>& held) {
  std::vector<std::int32_t> slots;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (held.test(static_cast<std::size_t>(slot))) slots.push_back(slot);
  }
  std::bitset<kSlotCount> taken = held;
  int nextUnused = 0;
  for (int i = 0; i < sheet.Count; ++i) {
    auto& slot = sheet.Items[static_cast<std::size_t>(i)].Slot;
    if (static_cast<std::size_t>(i) < slots.size()) {
      slot = slots[static_cast<std::size_t>(i)];
      continue;
    }
    while (taken.test(static_cast<std::size_t>(nextUnused))) ++nextUnused;
    taken.set(static_cast<std::size_t>(nextUnused));
    slot = nextUnused;
  }
}

// Renumbers the slots 0, 1, 2, ... in ascending order of the present ones.
void PackSlots(TSheetBuffer& sheet) {
  std::vector<int> order(static_cast<std::size_t>(sheet.Count));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return sheet.Items[static_cast<std::size_t>(a)].Slot <
           sheet.Items[static_cast<std::size_t>(b)].Slot;
  });
  for (std::size_t rank = 0; rank < order.size(); ++rank) {
    sheet.Items[static_cast<std::size_t>(order[rank])].Slot = static_cast<std::int32_t>(rank);
  }
}

}  // namespace

void TSheetBuffer::Clear() {
  Count = 0;
  TLauncherItem& first = Items[0];
  first.Target[0] = first.Params[0] = first.Group[0] = first.Display[0] = '\0';
  first.Slot = -1;
  first.Count = 0;
}

int TSheetBuffer::ItemAtSlot(int slot) const {
  for (int i = 0; i < Count; ++i) {
    if (Items[static_cast<std::size_t>(i)].Slot == slot) return i;
  }
  return -1;
}

int TSheetBuffer::FreeSlot(int from) const {
  const auto held = MarkHeldSlots(*this);
  for (const int first : {std::max(from, 0), 0}) {
    for (int slot = first; slot < kSlotCount; ++slot) {
      if (!held.test(static_cast<std::size_t>(slot))) return slot;
    }
  }
  return kSlotCount;  // unreachable with at most 400 items
}

void TSheetBuffer::RemoveAt(int index) {
  for (int i = index; i + 1 < Count; ++i) {
    Items[static_cast<std::size_t>(i)] = Items[static_cast<std::size_t>(i + 1)];
  }
  TLauncherItem& last = Items[static_cast<std::size_t>(Count - 1)];
  last.Target[0] = last.Display[0] = last.Group[0] = '\0';
  last.Count = 0;
  --Count;
}

void GiveFreeSlotsToStrayItems(TSheetBuffer& sheet) {
  std::bitset<kSlotCount> held;
  std::vector<std::size_t> strays;
  for (std::size_t i = 0; i < static_cast<std::size_t>(sheet.Count); ++i) {
    const std::int32_t slot = sheet.Items[i].Slot;
    if (IsSlotNumber(slot) && !held.test(static_cast<std::size_t>(slot))) {
      held.set(static_cast<std::size_t>(slot));
    } else {
      strays.push_back(i);
    }
  }
  std::size_t nextFree = 0;
  for (const std::size_t i : strays) {
    while (held.test(nextFree)) ++nextFree;  // 400 items never fill 401 slots
    held.set(nextFree);
    sheet.Items[i].Slot = static_cast<std::int32_t>(nextFree);
  }
}

void RebuildIcons(const TSheetBuffer& sheet, IIconList& icons, const ITextCodec& codec) {
  icons.Clear();
  for (std::size_t i = 0; i < static_cast<std::size_t>(sheet.Count); ++i) {
    icons.AppendIconOf(DecodeField(sheet.Items[i].Target, codec));
  }
}

void DeleteItem(TSheetBuffer& sheet, int index, IIconList& icons, const ITextCodec& codec,
                const TArrangeOptions& options) {
  sheet.RemoveAt(index);
  icons.Delete(index);
  ArrangeItems(sheet, icons, codec, options);
}

void ArrangeItems(TSheetBuffer& sheet, IIconList& icons, const ITextCodec& codec,
                  const TArrangeOptions& options) {
  if (options.SORTMODE == 1) {
    const auto held = MarkHeldSlots(sheet);
    if (sheet.Count > 1) SortByCount(sheet, 0, sheet.Count - 1);
    HandOverSlots(sheet, held);
    RebuildIcons(sheet, icons, codec);
  }
  if (options.AUTOSORT) PackSlots(sheet);
}
