// The sheet popup menu, the item popup menu's commands and the system
// shortcuts of the quick bar, the folder bar and the toolbox.

#include <windows.h>
#include <commctrl.h>

#include "app/commands/ItemCommands.h"
#include "app/commands/SheetOperations.h"
#include "app/dialogs/Sort/Sort_win.h"
#include "app/dialogs/StNames/StNames_win.h"
#include "app/dialogs/ToolBox/ToolBox_win.h"
#include "base/errors/ErrorBox_win.h"
#include "app/form/ControlIds.h"
#include "app/form/ZELK_win.h"
#include "app/shortcuts/ShellContextMenu_win.h"
#include "app/shortcuts/SystemShortcuts.h"

// Around each of the window's own modal dialogs: desktop clicks are ignored
// and the window leaves the topmost band, whatever way the dialog ends.
template <typename Dialog>
auto TZELKForm::WithDialog(Dialog&& dialog) {
  activation_.SetDialogBusy(true);
  LeaveTopmost();
  struct TRestore {
    TZELKForm& form;
    ~TRestore() {
      form.activation_.SetDialogBusy(false);
      form.RestoreTopmost();
    }
  } restore{*this};
  return dialog();
}

TShortcutShell TZELKForm::ShortcutShell() {
  return {services_.Shell, services_.Executor, services_.Folders};
}

int TZELKForm::PressedSlot() const {
  return SlotOfCell(mouse_.PressedCell(), settings_.Colum, ScrollPosition());
}

void TZELKForm::ATabMouseDown() {
  // Acts on the selected sheet; the right press selects no tab.
  POINT screen;
  GetCursorPos(&screen);
  TrackPopupMenu(seetpop_, TPM_LEFTBUTTON | TPM_LEFTALIGN, screen.x, screen.y, 0, handle_, nullptr);
}

void TZELKForm::ApplySheetList(const std::vector<std::wstring>& names, int current) {
  settings_.SheetNames = names;
  AddSheetTabs();
  TabCtrl_SetCurSel(Control(kATab), current);
  BuildMoveToMenu();
  LayoutRegions();
}

void TZELKForm::SheetCommand(int id) {
  TSheetList list{SheetNames(), TabCtrl_GetCurSel(Control(kATab))};
  const std::wstring name = CurrentSheetName();
  if (id == kStDelete) {
    if (!services_.MessageBoxes.Confirm(DeleteSheetQuestion(name))) return;
    DeleteSheet(list);
    ApplySheetList(list.Names, list.Current);
    LoadSheet();
    return;
  }
  const bool create = id == kStCreate;
  const auto text = WithDialog([&] {
    return AskText(handle_, kStDlgCaption, create ? kCreateSheetPrompt : kRenameSheetPrompt,
                   create ? L"" : name);
  });
  if (!text) return;
  const bool changed = create ? CreateSheet(list, *text, codec_)
                              : RenameSheet(list, *text, sheet_, sheetFiles_, ArrangeOptions());
  if (!changed) return;
  ApplySheetList(list.Names, list.Current);
  sheet_.Arrange(ArrangeOptions());
  RepaintItemArea();
}

void TZELKForm::K4Click() {
  TSheetList list{SheetNames(), TabCtrl_GetCurSel(Control(kATab))};
  const auto order = WithDialog([&] { return AskSheetOrder(handle_, list.Names); });
  if (order) ApplySheetOrder(list, *order);
  ApplySheetList(list.Names, list.Current);
  sheet_.Arrange(ArrangeOptions());
  RepaintItemArea();
}

void TZELKForm::EditItemText(bool display) {
  const TItemField field = display ? TItemField::Display : TItemField::Params;
  const auto entry = ItemTextEntry(sheet_.Buffer(), PressedSlot(), field, codec_);
  if (!entry) return;
  const auto text = WithDialog([&] { return AskText(handle_, entry->Caption, entry->Prompt, entry->Text); });
  if (text) StoreItemText(sheet_.Buffer(), PressedSlot(), field, *text, codec_);
  sheet_.Save();
  RepaintItemArea();
}

void TZELKForm::ItemCommand(int id) {
  TShortcutShell shell = ShortcutShell();
  switch (id) {
    case kK9: OpenItemFolder(sheet_.Buffer(), PressedSlot(), codec_, services_.Shell); break;
    case kN7: EditItemText(true); break;
    case kN5: EditItemText(false); break;
    case kDelete1:
      DeleteItemCommand(sheet_, PressedSlot(), services_.MessageBoxes, ArrangeOptions());
      RepaintItemArea();
      break;
    case kK8: CtrlPnl(services_.Shell); break;
    case kN4: N4Click(services_.Shell); break;
    case kProgBtn: IE30Btn7Click(shell); break;
    case kStartBtn: StartBtnClick(shell); break;
    default: QuickBarClick(static_cast<TQuickBarButton>(id - kMyDocBtn), shell); break;
  }
}

void TZELKForm::K1Click(int entry) {
  MoveItemToSheet(sheet_, sheetFiles_, PressedSlot(), SheetName(entry), ArrangeOptions());
  RepaintItemArea();
}

void TZELKForm::ToolBtnClick() {
  TShortcutShell shell = ShortcutShell();
  TToolDlg dialog;
  const int result = WithDialog([&] { return dialog.ShowModal(handle_); });
  RunToolBoxResult(result, shell);
}

void TZELKForm::LoadQuickBarIcons() {
  glyphs_ = ::LoadQuickBarIcons(settings_.LeftC);
  for (std::size_t i = 0; i < kQuickBar.size(); ++i) {
    SendMessageW(Control(kMyDocBtn + static_cast<int>(i)), BM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(glyphs_.Glyph(i)));
  }
}

LRESULT CALLBACK TZELKForm::QuickButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR form) noexcept {
  if (message == WM_RBUTTONUP) {
    auto* self = reinterpret_cast<TZELKForm*>(form);
    try {
      const auto button = static_cast<TQuickBarButton>(static_cast<int>(id) - kMyDocBtn);
      ShellContextMenu(self->handle_, {std::wstring(QuickBarEntry(button).SpecialObject)});
    } catch (...) {
      self->services_.MessageBoxes.ShowError(CurrentExceptionMessage());
    }
    return 0;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}
