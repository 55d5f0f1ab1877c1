#include "app/dialogs/Sort/Sort_win.h"

#include "app/dialogs/Sort/SortIds.h"

namespace {

void Fill(HWND list, const std::vector<TSortEntry>& entries, int selected) {
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const auto& entry : entries) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.Name.c_str()));
  }
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int Selection(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }

}  // namespace

std::optional<std::vector<int>> TSortDlg::ShowModal(HWND owner) {
  if (RunModal(owner, L"TSortDlg") != IDOK) return std::nullopt;
  return model_.Accept();
}

void TSortDlg::OnInitDialog() {
  ShowModel();
  CenterOnScreen();
}

void TSortDlg::ReadSelection() {
  model_.Selected1 = Selection(Item(IDC_SORTDLG_LIST1));
  model_.Selected2 = Selection(Item(IDC_SORTDLG_LIST2));
}

void TSortDlg::ShowModel() const {
  Fill(Item(IDC_SORTDLG_LIST1), model_.List1(), model_.Selected1);
  Fill(Item(IDC_SORTDLG_LIST2), model_.List2(), model_.Selected2);
}

bool TSortDlg::OnCommand(int id, int) {
  switch (id) {
    case IDC_SORTDLG_RIGHT:
    case IDC_SORTDLG_LEFT:
      ReadSelection();
      id == IDC_SORTDLG_RIGHT ? model_.MoveRight() : model_.MoveLeft();
      ShowModel();
      return true;
    case IDOK:
    case IDCANCEL:
      Close(id);
      return true;
    default:
      return false;
  }
}

std::optional<std::vector<int>> AskSheetOrder(HWND owner, const std::vector<std::wstring>& names) {
  TSortDlg dialog(names);
  return dialog.ShowModal(owner);
}
