#include "app/services/OpenFileDialog_win.h"

#include <cderr.h>
#include <commdlg.h>

#include "base/errors/Errors.h"

std::vector<std::wstring> TWin32OpenFileDialog::PickFiles(HWND owner, const std::wstring& title) {
  // Room for a full sheet of long names.
  std::vector<wchar_t> answer(static_cast<std::size_t>(400) * MAX_PATH);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = L"すべてのファイル (*.*)\0*.*\0";
  dialog.lpstrFile = answer.data();
  dialog.nMaxFile = static_cast<DWORD>(answer.size());
  dialog.lpstrTitle = title.c_str();
  // A shortcut is chosen as itself and registered as a dropped one is.
  dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY |
                 OFN_NODEREFERENCELINKS;
  if (GetOpenFileNameW(&dialog)) return ChosenFiles({answer.data(), answer.size()});
  if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
    throw EZelkError(L"選んだファイルが多すぎます。分けて登録してください。");
  }
  return {};
}
