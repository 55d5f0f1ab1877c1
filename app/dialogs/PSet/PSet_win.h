#pragma once
// TPSetDlg: the settings dialog "設定". Its four pages show the main
// window's settings; OK takes the values back into them, Cancel leaves them,
// and "現グループのカウント初期化" closes it for the count reset.

#include <windows.h>

#include <array>
#include <string>

#include "app/dialogs/ModalDialog_win.h"
#include "app/dialogs/PageBackground_win.h"
#include "app/services/ColorPicker_win.h"
#include "app/settings/ColorSwatches.h"
#include "app/settings/Settings.h"
#include "base/errors/MessageBoxes.h"
#include "base/win32/Handles_win.h"
#include "controls/SHBFFEX_win.h"

// The modal results besides OK (1) and Cancel (2).
inline constexpr int kCountResetResult = 7;

struct TPSetServices {
  IMessageBoxes& MessageBoxes;
  IColorPicker& ColorPicker;
  IFolderBrowserDialog& FolderBrowser;
};

class TPSetDlg : public TModalDialog {
 public:
  // desktopFolder stands for an archive folder whose "デスクトップ" box is
  // checked. The settings must outlive the dialog.
  TPSetDlg(TSettings& settings, std::wstring desktopFolder, TPSetServices services);

  // With its top-left corner there and the first page selected; the modal
  // result. On OK the settings hold the dialog's values.
  int ShowModal(HWND owner, POINT topLeft);

 private:
  void OnInitDialog() override;
  bool OnCommand(int id, int notification) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  // WM_CTLCOLORSTATIC: a swatch in its colour, a label on the page.
  [[nodiscard]] HBRUSH ControlColor(HDC dc, HWND control) const;

  void ShowPage(int page) const;
  void Fill();
  // False, with the reason told and the control focused, when a value
  // cannot be taken; nothing is taken then.
  [[nodiscard]] bool CheckValues();
  void TakeValues();
  void EnableFolderRow(int checkId) const;
  void BrowseFolder(int editId);
  void PickColor(std::size_t swatch);
  void ShowSwatch(std::size_t swatch);
  [[nodiscard]] bool Checked(int id) const;
  void Check(int id, bool checked) const;

  TSettings& settings_;
  std::wstring desktopFolder_;
  TPSetServices services_;
  POINT topLeft_{};
  TSwatchColors swatches_{};
  std::array<TBrush, kSwatchCount> swatchBrushes_;
  TPageBackground pageBackground_;
};
