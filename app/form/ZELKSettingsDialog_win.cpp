// The settings dialog: opened by the tool button 設定, its values applied
// to the window at once.

#include <windows.h>

#include <shlobj.h>

#include "app/commands/ItemCommands.h"
#include "app/dialogs/PSet/PSet_win.h"
#include "app/form/ControlIds.h"
#include "app/form/ZELK_win.h"
#include "app/shortcuts/SpecialFolders_win.h"

void TZELKForm::IE30Btn2Click() {
  RECT place;
  GetWindowRect(Handle(), &place);
  TPSetDlg dialog(settings_, SpecialFolderPath(CSIDL_DESKTOPDIRECTORY),
                  {services_.MessageBoxes, services_.ColorPicker, services_.FolderBrowser});
  const int result =
      WithDialog([&] { return dialog.ShowModal(Handle(), {place.left, place.top}); });
  if (result == IDOK) {
    ApplyDialogSettings();
  } else if (result == kCountResetResult) {
    ResetSheetCounts(sheet_.Buffer(), ATab_.CurrentSheetName(), codec_, services_.MessageBoxes);
  }
  ShowWindow(Control(kStatusBar1), settings_.STATUS_DISP == 1 ? SW_SHOW : SW_HIDE);
  LayoutRegions();
  sheet_.Arrange(ArrangeOptions());
  PAria_.Repaint();
  KeepMinimumSize();
}

void TZELKForm::ApplyDialogSettings() {
  ATab_.SetTabFont(settings_.FontSize, scale_);
  ApplyColors();
  quickBar_.LoadQuickBarIcons(settings_.LeftC);
  // The next clock adjustment asks the new server; none is asked now.
  SetTimeServerHost();
  FormResize();
  PAria_.SetItemAreaFont();
}
