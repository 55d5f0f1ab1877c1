#pragma once
// Starting an item: its use count, the order of the sheet, the save, and
// what is handed to the shell.

#include <optional>
#include <string>

#include "app/sheets/CurrentSheet.h"

struct TShellStart {
  std::wstring File;
  std::wstring Parameters;
  std::wstring Folder;
  bool operator==(const TShellStart&) const = default;
};

// Counts, orders, arranges and saves the sheet for a start of the item in
// the slot; the values to start are taken before anything changes. nullopt
// when no item stands in the slot.
[[nodiscard]] std::optional<TShellStart> RunItem(TCurrentSheet& sheet, int slot,
                                                 const TArrangeOptions& options);

// The ordering by last use (SORTMODE 0): the item moves to slot 0 and every
// item in a lower slot moves into the slot vacated last before it.
void MoveToFront(TSheetBuffer& sheet, int index, int sortMode);
