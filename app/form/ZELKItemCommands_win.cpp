// The item popup menu Pop: its commands on the item of the pressed cell,
// and what the item area asks of the window.

#include <windows.h>

#include "app/commands/ItemCommands.h"
#include "app/dialogs/StNames/StNames_win.h"
#include "app/form/ControlIds.h"
#include "app/form/ZELK_win.h"

void TZELKForm::ItemCommand(int id) {
  switch (id) {
    case kK9:
      OpenItemFolder(sheet_.Buffer(), PAria_.PressedSlot(), codec_, services_.Shell);
      break;
    case kN7:
      EditItemText(true);
      break;
    case kN5:
      EditItemText(false);
      break;
    case kDelete1:
      DeleteItemCommand(sheet_, PAria_.PressedSlot(), services_.MessageBoxes, ArrangeOptions());
      PAria_.Repaint();
      break;
    case kRegisterFiles:
      RegisterFilesClick();
      break;
    default:
      break;
  }
}

void TZELKForm::EditItemText(bool display) {
  const TItemField field = display ? TItemField::Display : TItemField::Params;
  const auto entry = ItemTextEntry(sheet_.Buffer(), PAria_.PressedSlot(), field, codec_);
  if (!entry) return;
  const auto text = WithDialog(
      [&] { return AskItemText(Handle(), *entry, field, codec_, services_.MessageBoxes); });
  if (text) StoreItemText(sheet_.Buffer(), PAria_.PressedSlot(), field, *text, codec_);
  sheet_.Save();
  PAria_.Repaint();
}

void TZELKForm::K1Click(int entry) {
  MoveItemToSheet(sheet_, sheetFiles_, PAria_.PressedSlot(), ATab_.SheetName(entry),
                  ArrangeOptions());
  PAria_.Repaint();
}

void TZELKForm::RunPressedItem() {
  if (PAria_.ShowingFound()) {
    RunFoundItem();
  } else {
    RunItem(PAria_.PressedSlot());
  }
}

// The entries that act on an item are greyed on an empty cell, and the
// current sheet in 移動.
void TZELKForm::PrepareItemMenu(bool onItem) {
  const UINT enabled = onItem ? MF_ENABLED : MF_GRAYED;
  for (const int id : {kK9, kN7, kN5, kDelete1})
    EnableMenuItem(pop_.Get(), id, MF_BYCOMMAND | enabled);
  EnableMenuItem(pop_.Get(), 5, MF_BYPOSITION | enabled);  // GoTo1
  for (int entry = 0; entry < ATab_.MoveToCount(); ++entry) {
    EnableMenuItem(moveTo_, kMoveToFirst + entry,
                   MF_BYCOMMAND | (entry == ATab_.Current() ? MF_GRAYED : MF_ENABLED));
  }
}

void TZELKForm::ShowItemMenu() {
  POINT screen;
  GetCursorPos(&screen);
  TrackItemMenu(screen);
}

void TZELKForm::TrackItemMenu(POINT screen) {
  TrackPopupMenu(pop_.Get(), TPM_LEFTBUTTON | TPM_LEFTALIGN, screen.x, screen.y, 0, Handle(),
                 nullptr);
}

void TZELKForm::SheetChanged() {
  sheet_.Save();
  sheet_.Arrange(ArrangeOptions());
  PAria_.Repaint();
}
