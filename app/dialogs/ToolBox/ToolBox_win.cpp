#include "app/dialogs/ToolBox/ToolBox_win.h"

#include <algorithm>

#include "app/shortcuts/SystemShortcuts.h"

int TToolDlg::ShowModal(HWND mainWindow) {
  RECT main{};
  GetWindowRect(mainWindow, &main);
  topLeft_ = {main.left, main.top};
  return RunModal(mainWindow, L"TToolDlg");
}

void TToolDlg::OnInitDialog() {
  SetWindowPos(Handle(), nullptr, topLeft_.x, topLeft_.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// CtrlBtnClick: every tool button closes the dialog with its tag.
bool TToolDlg::OnCommand(int id, int) {
  const bool tool = std::ranges::find(kToolBox, id, &TToolEntry::Tag) != kToolBox.end();
  if (!tool && id != IDCANCEL) return false;
  Close(id);
  return true;
}
