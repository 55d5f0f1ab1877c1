// The sheet popup menu seetpop and the change of sheet.

#include <windows.h>

#include <vector>

#include "app/commands/SheetOperations.h"
#include "app/dialogs/Sort/Sort_win.h"
#include "app/dialogs/StNames/StNames_win.h"
#include "app/form/ControlIds.h"
#include "app/form/ZELK_win.h"
#include "base/errors/Errors.h"

void TZELKForm::ATabChange() { LoadSheet(); }

void TZELKForm::LoadSheet() {
  if (findField_.IsOpen()) CloseFind();
  // A sheet that cannot be read is reported and shown empty; the window goes on.
  try {
    sheet_.Load(ATab_.CurrentSheetName(), ArrangeOptions());
  } catch (const EZelkError& error) {
    services_.MessageBoxes.ShowError(error.Message());
  }
  icons_.RequestPending(sheet_.Buffer());
  PAria_.ShowLoadedSheet();
}

void TZELKForm::IconsLookedUp() {
  if (!iconCache_.TakeFinished()) return;
  const bool sheetIconsChanged = icons_.Refresh();
  const bool foundIconsChanged = findField_.IsOpen() && findField_.RefreshIcons();
  // Painted with the next paint, so that batches arriving close together paint once.
  if (sheetIconsChanged || foundIconsChanged) InvalidateRect(Control(kPAria), nullptr, FALSE);
}

void TZELKForm::ApplySheetList(const std::vector<std::wstring>& names, int current) {
  // The find session names its sheets by their place in the list.
  if (findField_.IsOpen()) CloseFind();
  ATab_.SetSheets(names, current);
  LayoutRegions();
  KeepMinimumSize();
}

void TZELKForm::SheetCommand(int id) {
  TSheetList list{ATab_.SheetNames(), ATab_.Current()};
  const std::wstring name = ATab_.CurrentSheetName();
  if (id == kStDelete) {
    if (!services_.MessageBoxes.Confirm(DeleteSheetQuestion(name))) return;
    DeleteSheet(list);
    ApplySheetList(list.Names, list.Current);
    LoadSheet();
    return;
  }
  const bool create = id == kStCreate;
  const auto text = WithDialog(
      [&] { return AskSheetName(Handle(), list, !create, codec_, services_.MessageBoxes); });
  if (!text) return;
  const bool changed = create ? CreateSheet(list, *text, codec_)
                              : RenameSheet(list, *text, sheet_, sheetFiles_, ArrangeOptions());
  if (!changed) return;
  ApplySheetList(list.Names, list.Current);
  sheet_.Arrange(ArrangeOptions());
  PAria_.Repaint();
}

void TZELKForm::K4Click() {
  TSheetList list{ATab_.SheetNames(), ATab_.Current()};
  const auto order = WithDialog([&] { return AskSheetOrder(Handle(), list.Names); });
  if (order) ApplySheetOrder(list, *order);
  ApplySheetList(list.Names, list.Current);
  sheet_.Arrange(ArrangeOptions());
  PAria_.Repaint();
}
