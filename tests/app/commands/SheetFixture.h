#pragma once
// A data folder in memory with the current sheet held over it.

#include <string>

#include "tests/support/Items.h"
#include "tests/support/MemorySheet.h"

struct SheetFixture : MemorySheet {
  TArrangeOptions options{.SORTMODE = 2, .AUTOSORT = false};

  // Writes a sheet file holding these items.
  void WriteSheet(const std::wstring& name, const std::vector<TLauncherItem>& items) {
    TSheetBuffer sheet;
    for (const auto& item : items) AddItem(sheet, item);
    files.Save(name, sheet);
  }
  [[nodiscard]] TSheetBuffer ReadSheet(const std::wstring& name) {
    TSheetBuffer sheet;
    files.Load(name, sheet);
    return sheet;
  }
};

inline TLauncherItem GroupItem(std::wstring_view target, int slot, std::wstring_view group,
                               int count = 0) {
  TLauncherItem item = MakeItem(target, slot, count, L"表示");
  EncodeField(item.Group, group, Cp932Codec());
  return item;
}

inline std::wstring GroupOf(const TLauncherItem& item) {
  return DecodeField(item.Group, Cp932Codec());
}
