#pragma once
// Launcher items for tests, with text stored as Shift-JIS.

#include <string>

#include "app/sheets/SheetBuffer.h"
#include "base/text/AnsiField.h"
#include "tests/support/Cp932Codec.h"

inline TLauncherItem MakeItem(std::wstring_view target, std::int32_t slot, std::int32_t count = 0,
                              std::wstring_view display = L"") {
  TLauncherItem item{};
  const Cp932Codec codec;
  EncodeField(item.Target, target, codec);
  EncodeField(item.Display, display, codec);
  item.Slot = slot;
  item.Count = count;
  return item;
}

inline void AddItem(TSheetBuffer& sheet, const TLauncherItem& item) {
  sheet.Items[static_cast<std::size_t>(sheet.Count++)] = item;
}

inline std::wstring TargetOf(const TSheetBuffer& sheet, int index) {
  return DecodeField(sheet.Items[static_cast<std::size_t>(index)].Target, Cp932Codec());
}
