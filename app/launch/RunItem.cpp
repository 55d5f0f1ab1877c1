#include "app/launch/RunItem.h"

#include "base/text/AnsiField.h"
#include "base/text/Paths.h"

void MoveToFront(TSheetBuffer& sheet, int index, int sortMode) {
  if (index == 0 || sortMode == 1 || sortMode == 2) return;
  TLauncherItem& started = sheet.Items[static_cast<std::size_t>(index)];
  int vacated = started.Slot;
  for (int n = started.Slot - 1; n >= 0; --n) {
    const int standing = sheet.ItemAtSlot(n);
    if (standing < 0) continue;
    sheet.Items[static_cast<std::size_t>(standing)].Slot = vacated;
    vacated = n;
  }
  started.Slot = 0;
}

std::optional<TShellStart> RunItem(TCurrentSheet& sheet, int slot, const TArrangeOptions& options) {
  TSheetBuffer& buffer = sheet.Buffer();
  const int index = buffer.ItemAtSlot(slot);
  if (index < 0) return std::nullopt;
  TLauncherItem& item = buffer.Items[static_cast<std::size_t>(index)];
  const std::wstring target = DecodeField(item.Target, sheet.Codec());
  TShellStart start{target, DecodeField(item.Params, sheet.Codec()), PathPartOf(target)};
  ++item.Count;
  MoveToFront(buffer, index, options.SORTMODE);
  sheet.Arrange(options);
  sheet.Save();
  return start;
}
