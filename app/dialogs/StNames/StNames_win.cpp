#include "app/dialogs/StNames/StNames_win.h"

#include "app/dialogs/StNames/StNamesIds.h"

bool TStDlg::ShowModal(HWND owner) { return RunModal(owner, L"TStDlg") == IDOK; }

void TStDlg::OnInitDialog() {
  SetWindowTextW(Handle(), Caption.c_str());
  SetDlgItemTextW(Handle(), IDC_STDLG_GROUPBOX1, Prompt.c_str());
  SetDlgItemTextW(Handle(), IDC_STDLG_EDIT1, Text.c_str());
  CenterOnScreen();
}

bool TStDlg::OnCommand(int id, int) {
  if (id == IDOK) Text = WindowText(Item(IDC_STDLG_EDIT1));
  if (id != IDOK && id != IDCANCEL) return false;
  Close(id);
  return true;
}

std::optional<std::wstring> AskText(HWND owner, const std::wstring& caption,
                                    const std::wstring& prompt, const std::wstring& text) {
  TStDlg dialog;
  dialog.Caption = caption;
  dialog.Prompt = prompt;
  dialog.Text = text;
  if (!dialog.ShowModal(owner)) return std::nullopt;
  return dialog.Text;
}
