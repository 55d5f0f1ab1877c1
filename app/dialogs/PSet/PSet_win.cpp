#include "app/dialogs/PSet/PSet_win.h"

#include <commctrl.h>

#include <utility>

#include "app/dialogs/PSet/PSetIds.h"
#include "app/paint/ColorRef_win.h"
#include "controls/DigLight_win.h"
#include "net/TimeServers.h"

namespace {

constexpr std::array<const wchar_t*, 4> kPageCaptions = {L"詳細設定", L"圧縮ファイル", L"表示設定",
                                                         L"日付設定"};
constexpr int kPageIdSpan = 100;  // each page's controls lie in a hundred of their own

// A check box and its setting; AUTOSORT and AJCLK are truth values apart.
struct TCheckSetting {
  int Id;
  std::uint8_t TSettings::*Setting;
};
constexpr std::array<TCheckSetting, 7> kCheckSettings = {{
    {IDC_PSET_STATUSCHECK, &TSettings::STATUS_DISP},
    {IDC_PSET_HIDECHECK, &TSettings::EXE_HIDE},
    {IDC_PSET_SINGLEEXE, &TSettings::SINGLE_EXE},
    {IDC_PSET_FILEDISPCHK, &TSettings::FILE_DISP},
    {IDC_PSET_COUNTDISPCHK, &TSettings::COUNT_DISP},
    {IDC_PSET_SIDECHECK, &TSettings::SIDECLICK},
    {IDC_PSET_MONITORCHECK, &TSettings::CURSOR_MONITOR},
}};

// An archive folder's row on the page "圧縮ファイル".
struct TFolderRow {
  int Check;
  int Edit;
  int Browse;
  std::uint8_t TSettings::*Desktop;
  std::wstring TSettings::*Folder;
};
constexpr TFolderRow kMeltRow{IDC_PSET_MELTCHK, IDC_PSET_MELT_EDIT, IDC_PSET_MELTBTN,
                              &TSettings::MeltDLG, &TSettings::MeltDir};
constexpr TFolderRow kFreezeRow{IDC_PSET_FREEZECHK, IDC_PSET_FREEZE_EDIT, IDC_PSET_FREEZEBTN,
                                &TSettings::FreezeDLG, &TSettings::FreezeDir};
constexpr std::array<const TFolderRow*, 2> kFolderRows = {&kMeltRow, &kFreezeRow};

const TFolderRow& FolderRowOf(int id) {
  return id == kMeltRow.Check || id == kMeltRow.Edit || id == kMeltRow.Browse ? kMeltRow
                                                                              : kFreezeRow;
}

// The digit controls, bounded so that the item area and the tabs stay usable.
struct TDigitSetting {
  int Id;
  std::int32_t TSettings::*Setting;
  std::int32_t Min;
  std::int32_t Max;
};
constexpr std::array<TDigitSetting, 2> kDigitSettings = {{
    {IDC_PSET_DIGEDIT2, &TSettings::Colum, 1, kMaxColum},
    {IDC_PSET_FONTDIG, &TSettings::FontSize, kMinFontSize, kMaxFontSize},
}};

}  // namespace

TPSetDlg::TPSetDlg(TSettings& settings, std::wstring desktopFolder, TPSetServices services)
    : settings_(settings), desktopFolder_(std::move(desktopFolder)), services_(services) {
  TDigLight::RegisterDigLightClass();
}

int TPSetDlg::ShowModal(HWND owner, POINT topLeft) {
  topLeft_ = topLeft;
  return RunModal(owner, L"TPSetDlg");
}

void TPSetDlg::OnInitDialog() {
  const HWND pages = Item(IDC_PSET_PAGECONTROL1);
  for (std::size_t page = 0; page < kPageCaptions.size(); ++page) {
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<wchar_t*>(kPageCaptions[page]);
    SendMessageW(pages, TCM_INSERTITEMW, page, reinterpret_cast<LPARAM>(&tab));
  }
  for (std::size_t i = 0; i < kTimeServerCount; ++i) {
    SetDlgItemTextW(Handle(), IDC_PSET_NTP + static_cast<int>(i),
                    std::wstring(kTimeServers[i]).c_str());
  }
  for (const TDigitSetting& digit : kDigitSettings) {
    TDigLight& control = *TDigLight::Of(Item(digit.Id));
    control.SetMessageBoxes(services_.MessageBoxes);
    control.SetDigKeta(2);
    control.SetMinDigit(digit.Min);
    control.SetMaxDigit(digit.Max);
  }
  Fill();
  ShowPage(0);
  pageBackground_.Capture(pages);
  SetWindowPos(Handle(), nullptr, topLeft_.x, topLeft_.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TPSetDlg::ShowPage(int page) const {
  const int first = IDC_PSET_PAGE1 + page * kPageIdSpan;
  for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(child);
    if (id < IDC_PSET_PAGE1 || id >= IDC_PSET_PAGE4 + kPageIdSpan) continue;
    ShowWindow(child, id >= first && id < first + kPageIdSpan ? SW_SHOW : SW_HIDE);
  }
  SendMessageW(Item(IDC_PSET_PAGECONTROL1), TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
}

bool TPSetDlg::Checked(int id) const { return IsDlgButtonChecked(Handle(), id) == BST_CHECKED; }

void TPSetDlg::Check(int id, bool checked) const {
  CheckDlgButton(Handle(), id, checked ? BST_CHECKED : BST_UNCHECKED);
}

namespace {

// Checks the button of that index; none for an index outside the group.
void SetRadio(HWND dialog, int first, int count, int index) {
  for (int i = 0; i < count; ++i) {
    CheckDlgButton(dialog, first + i, i == index ? BST_CHECKED : BST_UNCHECKED);
  }
}

// The setting keeps its value when no button of the group is checked.
template <typename Value>
void TakeRadio(HWND dialog, int first, int count, Value& setting) {
  for (int i = 0; i < count; ++i) {
    if (IsDlgButtonChecked(dialog, first + i) == BST_CHECKED) setting = static_cast<Value>(i);
  }
}

}  // namespace

void TPSetDlg::Fill() {
  for (const TCheckSetting& check : kCheckSettings) Check(check.Id, settings_.*check.Setting == 1);
  Check(IDC_PSET_AUTOSORTCHK, settings_.AUTOSORT);
  Check(IDC_PSET_AJUSTCLOCK, settings_.AJCLK);
  SetRadio(Handle(), IDC_PSET_SORT0, 3, settings_.SORTMODE);
  SetRadio(Handle(), IDC_PSET_RS0, 2, settings_.RS_Direction);
  SetRadio(Handle(), IDC_PSET_DISP0, 2, settings_.DBLMODE);
  SetRadio(Handle(), IDC_PSET_BTNP0, 2, settings_.BTN_PAT);
  SetRadio(Handle(), IDC_PSET_NTP, static_cast<int>(kTimeServerCount), settings_.NTP);
  for (const TDigitSetting& digit : kDigitSettings) {
    TDigLight::Of(Item(digit.Id))->SetValue(settings_.*digit.Setting);
  }
  for (const TFolderRow* row : kFolderRows) {
    Check(row->Check, settings_.*row->Desktop == 1);
    SetDlgItemTextW(Handle(), row->Edit, (settings_.*row->Folder).c_str());
    EnableFolderRow(row->Check);
  }
  swatches_ = SwatchColors(settings_);
  for (std::size_t i = 0; i < kSwatchCount; ++i) ShowSwatch(i);
}

bool TPSetDlg::CheckValues() {
  for (const TDigitSetting& digit : kDigitSettings) {
    TDigLight& control = *TDigLight::Of(Item(digit.Id));
    const auto violation = control.Number().CheckRange();
    if (!violation) continue;
    ShowPage(0);
    services_.MessageBoxes.ShowError(violation->Message);
    control.SetValue(violation->Bound);
    SetFocus(control.Handle());
    return false;
  }
  // A folder typed or browsed must be there; the one the settings already
  // hold is kept as it is.
  for (const TFolderRow* row : kFolderRows) {
    const std::wstring folder = WindowText(Item(row->Edit));
    if (Checked(row->Check) || folder == settings_.*row->Folder) continue;
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    ShowPage(1);
    services_.MessageBoxes.ShowError(L"フォルダ「" + folder + L"」がありません。");
    SetFocus(Item(row->Edit));
    return false;
  }
  return true;
}

void TPSetDlg::TakeValues() {
  for (const TCheckSetting& check : kCheckSettings) {
    settings_.*check.Setting = Checked(check.Id) ? 1 : 0;
  }
  settings_.AUTOSORT = Checked(IDC_PSET_AUTOSORTCHK);
  settings_.AJCLK = Checked(IDC_PSET_AJUSTCLOCK);
  TakeRadio(Handle(), IDC_PSET_SORT0, 3, settings_.SORTMODE);
  TakeRadio(Handle(), IDC_PSET_RS0, 2, settings_.RS_Direction);
  TakeRadio(Handle(), IDC_PSET_DISP0, 2, settings_.DBLMODE);
  TakeRadio(Handle(), IDC_PSET_BTNP0, 2, settings_.BTN_PAT);
  TakeRadio(Handle(), IDC_PSET_NTP, static_cast<int>(kTimeServerCount), settings_.NTP);
  for (const TDigitSetting& digit : kDigitSettings) {
    settings_.*digit.Setting =
        static_cast<std::int32_t>(TDigLight::Of(Item(digit.Id))->GetValue().Truncated());
  }
  // A checked "デスクトップ" box stands for the desktop folder, as at start-up.
  for (const TFolderRow* row : kFolderRows) {
    const bool desktop = Checked(row->Check);
    settings_.*row->Desktop = desktop ? 1 : 0;
    settings_.*row->Folder = desktop ? desktopFolder_ : WindowText(Item(row->Edit));
  }
  TakeSwatchColors(swatches_, settings_);
}

void TPSetDlg::EnableFolderRow(int checkId) const {
  const TFolderRow& row = FolderRowOf(checkId);
  const BOOL enabled = Checked(row.Check) ? FALSE : TRUE;
  EnableWindow(Item(row.Edit), enabled);
  EnableWindow(Item(row.Browse), enabled);
}

// The browser opens on the row's present folder.
void TPSetDlg::BrowseFolder(int editId) {
  TSHBrowseForFolderEx browser(Handle(), services_.FolderBrowser);
  browser.SelectFolder = TSelectFolder::sfManual;
  browser.SelectFolderName = WindowText(Item(editId));
  if (browser.Execute()) SetDlgItemTextW(Handle(), editId, browser.FolderPath().c_str());
}

void TPSetDlg::PickColor(std::size_t swatch) {
  if (const auto color = services_.ColorPicker.PickColor(Handle(), swatches_[swatch])) {
    swatches_[swatch] = *color;
    ShowSwatch(swatch);
  }
}

void TPSetDlg::ShowSwatch(std::size_t swatch) {
  swatchBrushes_[swatch].Reset(CreateSolidBrush(ToColorRef(swatches_[swatch])));
  InvalidateRect(Item(IDC_PSET_SWATCH + static_cast<int>(swatch)), nullptr, TRUE);
}

bool TPSetDlg::OnCommand(int id, int notification) {
  if (id >= IDC_PSET_COLORBUTTON && id < IDC_PSET_COLORBUTTON + static_cast<int>(kSwatchCount)) {
    PickColor(static_cast<std::size_t>(id - IDC_PSET_COLORBUTTON));
    return true;
  }
  switch (id) {
    case IDOK:
      if (!CheckValues()) return true;
      TakeValues();
      Close(IDOK);
      return true;
    case IDCANCEL:
      Close(IDCANCEL);
      return true;
    case IDC_PSET_BUTTON1:
      Close(kCountResetResult);
      return true;
    case IDC_PSET_MELTCHK:
    case IDC_PSET_FREEZECHK:
      if (notification == BN_CLICKED) EnableFolderRow(id);
      return true;
    case IDC_PSET_MELTBTN:
    case IDC_PSET_FREEZEBTN:
      BrowseFolder(FolderRowOf(id).Edit);
      return true;
    case IDC_PSET_BUTTON11:
    case IDC_PSET_BUTTON12:
      ApplyColorSet(id == IDC_PSET_BUTTON11 ? 1 : 2, swatches_);
      for (std::size_t i = 0; i < kSwatchCount; ++i) ShowSwatch(i);
      return true;
    default:
      return false;
  }
}

bool TPSetDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message == WM_NOTIFY) {
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (header.idFrom != IDC_PSET_PAGECONTROL1 || header.code != TCN_SELCHANGE) return false;
    ShowPage(static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0)));
    return true;
  }
  switch (message) {
    case WM_CTLCOLORSTATIC: {
      const HBRUSH brush =
          ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
      result = reinterpret_cast<INT_PTR>(brush);
      return brush != nullptr;
    }
    case WM_PRINTCLIENT:
      pageBackground_.PrintPage(reinterpret_cast<HDC>(wParam), Handle());
      result = TRUE;
      return true;
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
      pageBackground_.Capture(Item(IDC_PSET_PAGECONTROL1));
      InvalidateRect(Handle(), nullptr, TRUE);
      return false;
    default:
      return false;
  }
}

HBRUSH TPSetDlg::ControlColor(HDC dc, HWND control) const {
  const int id = GetDlgCtrlID(control);
  if (id >= IDC_PSET_SWATCH && id < IDC_PSET_SWATCH + static_cast<int>(kSwatchCount)) {
    const auto swatch = static_cast<std::size_t>(id - IDC_PSET_SWATCH);
    SetBkColor(dc, ToColorRef(swatches_[swatch]));
    return swatchBrushes_[swatch].Get();
  }
  // A greyed folder box keeps the system's look of a disabled edit.
  wchar_t className[8] = {};
  GetClassNameW(control, className, 8);
  if (id < IDC_PSET_PAGE1 || lstrcmpiW(className, WC_EDITW) == 0) return nullptr;
  return pageBackground_.ControlBrush(dc, control);
}
