#pragma once
// The current sheet buffer: the item count and 400 records, of which the
// first count are valid. Records beyond the count hold stale data.

#include <array>
#include <cstdint>

#include "app/sheets/IconList.h"
#include "app/sheets/LauncherItem.h"
#include "base/text/TextCodec.h"

// The settings that ArrangeItems applies.
struct TArrangeOptions {
  std::uint8_t SORTMODE = 2;  // 1 = by use count
  bool AUTOSORT = true;       // pack the slots so that no holes remain
};

struct TSheetBuffer {
  std::int32_t Count = 0;
  std::array<TLauncherItem, kItemLimit> Items{};

  // The empty sheet of a first start: no items, the first record cleared.
  void Clear();
  // Index of the first valid item in that slot, or -1.
  [[nodiscard]] int ItemAtSlot(int slot) const;
  // The smallest slot number 0 ... 400 that no valid item holds, from the
  // given one on when one is free there.
  [[nodiscard]] int FreeSlot(int from = 0) const;
  // The removal step: later records move one place down, the last one
  // emptied (Target, Display, Group, Count), the count decreased.
  void RemoveAt(int index);
};

// Gives each item whose slot has no cell in the grid (outside 0 ... 400) or
// is held by an earlier item the smallest free slot, so that every item can
// be painted and reached. Only a damaged sheet file has such items.
void GiveFreeSlotsToStrayItems(TSheetBuffer& sheet);

// Asks for the icon of every valid item in a new list. An item whose target
// cannot be had now (an unplugged stick, a sleeping share) gets the "not
// found" icon and stays: deleting it is the user's decision.
void RebuildIcons(const TSheetBuffer& sheet, IIconList& icons, const ITextCodec& codec);

// Removes the item and its icon, then arranges. The caller saves.
void DeleteItem(TSheetBuffer& sheet, int index, IIconList& icons, const ITextCodec& codec,
                const TArrangeOptions& options);

// Sort by use count (SORTMODE 1), then packing (AUTOSORT).
void ArrangeItems(TSheetBuffer& sheet, IIconList& icons, const ITextCodec& codec,
                  const TArrangeOptions& options);
