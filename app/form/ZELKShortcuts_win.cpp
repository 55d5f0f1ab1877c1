// The system shortcuts: the quick bar, the folder bar, the item popup
// menu's system tools and the toolbox.

#include <windows.h>

#include "app/dialogs/ToolBox/ToolBox_win.h"
#include "app/form/ControlIds.h"
#include "app/form/ZELK_win.h"
#include "app/shortcuts/SystemShortcuts.h"

TShortcutShell TZELKForm::ShortcutShell() {
  return {services_.Shell, services_.Executor, services_.Folders};
}

void TZELKForm::ShortcutCommand(int id) {
  TShortcutShell shell = ShortcutShell();
  switch (id) {
    case kK8:
      CtrlPnl(services_.Shell);
      break;
    case kN4:
      N4Click(services_.Shell);
      break;
    case kProgBtn:
      IE30Btn7Click(shell);
      break;
    case kStartBtn:
      StartBtnClick(shell);
      break;
    default:
      QuickBarClick(static_cast<TQuickBarButton>(id - kMyDocBtn), shell);
      break;
  }
}

void TZELKForm::ToolBtnClick() {
  TShortcutShell shell = ShortcutShell();
  TToolDlg dialog;
  const int result = WithDialog([&] { return dialog.ShowModal(Handle()); });
  RunToolBoxResult(result, shell);
}
