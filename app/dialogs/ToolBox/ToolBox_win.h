#pragma once
// TToolDlg: the toolbox, six big buttons for system tools and Cancel.

#include "app/dialogs/ModalDialog_win.h"

inline constexpr wchar_t kToolDlgCaption[] = L"ツールボックス";

class TToolDlg : public TModalDialog {
 public:
  // Placed with its top-left corner at the main window's top-left corner.
  // The modal result: a tool's tag (kToolBox), or IDCANCEL.
  [[nodiscard]] int ShowModal(HWND mainWindow);

 private:
  void OnInitDialog() override;
  bool OnCommand(int id, int notification) override;

  POINT topLeft_{};
};
