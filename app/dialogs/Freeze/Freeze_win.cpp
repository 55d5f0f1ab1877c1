#include "app/dialogs/Freeze/Freeze_win.h"

#include "app/dialogs/Freeze/FreezeIds.h"
#include "base/errors/Errors.h"

bool TFDlg::ShowModal(HWND owner) {
  RunModal(owner, L"TFDlg");
  return proceed_;
}

void TFDlg::OnInitDialog() {
  SetDlgItemTextW(Handle(), IDC_FDLG_EDIT1, Name.c_str());
  CheckDlgButton(Handle(), IDC_FDLG_CHECKBOX1, FromRoot ? BST_CHECKED : BST_UNCHECKED);
  CheckRadioButton(Handle(), IDC_FDLG_LZH, IDC_FDLG_CAB, IDC_FDLG_LZH + static_cast<int>(Type));
  CenterOnScreen();
}

bool TFDlg::OnCommand(int id, int) {
  if (id != IDOK && id != IDCANCEL) return false;
  ReadControls();
  const std::wstring reason = Refusal();
  if (id == IDOK && !reason.empty()) {
    Refuse(reason);
    return true;
  }
  proceed_ = reason.empty();
  Close(id);
  return true;
}

void TFDlg::ReadControls() {
  Name = WindowText(Item(IDC_FDLG_EDIT1));
  FromRoot = IsDlgButtonChecked(Handle(), IDC_FDLG_CHECKBOX1) == BST_CHECKED;
  Type = IsDlgButtonChecked(Handle(), IDC_FDLG_ZIP) == BST_CHECKED   ? TPackType::Zip
         : IsDlgButtonChecked(Handle(), IDC_FDLG_CAB) == BST_CHECKED ? TPackType::Cab
                                                                     : TPackType::Lzh;
}

std::wstring TFDlg::Refusal() const {
  try {
    CheckPackName(Name);
  } catch (const EZelkError& refusal) {
    return refusal.Message();
  }
  const std::wstring path = freezeDir_ + L"\\" + PackFileName(Name, Type);
  if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    return path + L" は既にあります。別の名前を入力してください。";
  }
  return L"";
}

void TFDlg::Refuse(const std::wstring& reason) {
  messageBoxes_.ShowError(reason);
  const HWND edit = Item(IDC_FDLG_EDIT1);
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
}
