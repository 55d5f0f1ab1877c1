#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "app/dialogs/PSet/PSetIds.h"
#include "app/form/ControlIds.h"
#include "app/sheets/SheetFiles.h"
#include "base/text/AnsiCodec_win.h"
#include "base/text/AnsiField.h"
#include "controls/DigLight_win.h"
#include "base/win32/Handles_win.h"
#include "net/TimeServers.h"
#include "tests/app/dialogs/DialogDriver_win.h"
#include "tests/app/form/FormFixture_win.h"

namespace {

// Opens 設定 from its tool button and acts on the dialog inside its modal loop.
void WithSettingsDialog(TZELKForm& form, const std::function<void(HWND)>& action) {
  TDialogDriver driver(L"設定", action);
  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(kSetteiBtn, 0), 0);
  ASSERT_TRUE(driver.Ran());
}

// What a user's click on a check box does: the mark changes, then the box reports.
void ClickCheckBox(HWND dialog, int id) {
  CheckDlgButton(dialog, id, IsDlgButtonChecked(dialog, id) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  PressButton(dialog, id);
}

void SetDigits(HWND dialog, int id, int value) { TDigLight::Of(GetDlgItem(dialog, id))->SetValue(value); }

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

// A memory bitmap to paint a window on and read its pixels.
class TPicture {
 public:
  TPicture(int width, int height)
      : dc_(CreateCompatibleDC(TWindowDC(nullptr).Get())),
        bitmap_(CreateCompatibleBitmap(TWindowDC(nullptr).Get(), width, height)),
        selected_(dc_.Get(), bitmap_.Get()) {}
  [[nodiscard]] HDC Dc() const { return dc_.Get(); }

 private:
  TMemoryDC dc_;
  TBitmap bitmap_;
  TSelectObject selected_;
};

// Labels, check boxes and, through the dialog, themed controls take the
// page's own pixels, whatever colour the tab control gives its body.
void ExpectLabelsOnTheirPage(HWND dialog, bool commonControls6) {
  SIZE ideal{};  // only the buttons of common controls 6 know their ideal size
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, IDC_PSET_STATUSCHECK), BCM_GETIDEALSIZE, 0,
                         reinterpret_cast<LPARAM>(&ideal)) != 0,
            commonControls6);
  const HWND pages = GetDlgItem(dialog, IDC_PSET_PAGECONTROL1);
  RECT pageRect;
  GetClientRect(pages, &pageRect);
  const TPicture page(pageRect.right, pageRect.bottom);
  FillRect(page.Dc(), &pageRect, GetSysColorBrush(COLOR_BTNFACE));
  SendMessageW(pages, WM_PRINT, reinterpret_cast<WPARAM>(page.Dc()), PRF_CLIENT | PRF_ERASEBKGND);
  for (const int id : {IDC_PSET_RSLABEL, IDC_PSET_STATUSCHECK}) {
    const HWND label = GetDlgItem(dialog, id);
    RECT r;
    GetClientRect(label, &r);
    const POINT spot{r.right - 2, r.bottom / 2};  // right of the text
    POINT onPage = spot;
    MapWindowPoints(label, pages, &onPage, 1);
    const COLORREF expected = GetPixel(page.Dc(), onPage.x, onPage.y);
    const TPicture painted(r.right, r.bottom);
    SendMessageW(label, WM_PRINT, reinterpret_cast<WPARAM>(painted.Dc()),
                 PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(GetPixel(painted.Dc(), spot.x, spot.y), expected) << id;
    // What a themed control asks its parent for, as the theme library does.
    const TPicture behind(r.right, r.bottom);
    POINT corner{0, 0};
    MapWindowPoints(label, dialog, &corner, 1);
    SetViewportOrgEx(behind.Dc(), -corner.x, -corner.y, nullptr);
    SendMessageW(dialog, WM_ERASEBKGND, reinterpret_cast<WPARAM>(behind.Dc()), 0);
    SendMessageW(dialog, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(behind.Dc()), PRF_CLIENT);
    EXPECT_EQ(GetPixel(behind.Dc(), corner.x + spot.x, corner.y + spot.y), expected) << id;
  }
  PressButton(dialog, IDCANCEL);
}

}  // namespace

TEST(SettingsDialog, OkUntouchedKeepsEverySettingAndCancelDiscardsEveryChange) {
  FormFixture f;
  TZELKForm& form = f.Create();
  const TSettings before = form.Settings();
  WithSettingsDialog(form, [](HWND dialog) { PressButton(dialog, IDOK); });
  EXPECT_EQ(form.Settings(), before);
  WithSettingsDialog(form, [](HWND dialog) {
    ClickCheckBox(dialog, IDC_PSET_STATUSCHECK);
    CheckRadioButton(dialog, IDC_PSET_SORT0, IDC_PSET_SORT2, IDC_PSET_SORT0);
    PressButton(dialog, IDC_PSET_BUTTON12);
    PressButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(form.Settings(), before);
  EXPECT_TRUE(f.messageBoxes.errors.empty());
}

TEST(SettingsDialog, OkTakesTheControlsAndTheWindowFollowsWithoutAskingTheTimeServer) {
  FormFixture f;
  TZELKForm& form = f.Create();
  HWND dialogSeen = nullptr;
  POINT dialogCorner{};
  WithSettingsDialog(form, [&](HWND dialog) {
    dialogSeen = dialog;
    RECT r;
    GetWindowRect(dialog, &r);
    dialogCorner = {r.left, r.top};
    ClickCheckBox(dialog, IDC_PSET_STATUSCHECK);
    ClickCheckBox(dialog, IDC_PSET_COUNTDISPCHK);
    ClickCheckBox(dialog, IDC_PSET_AJUSTCLOCK);
    ClickCheckBox(dialog, IDC_PSET_MONITORCHECK);
    CheckRadioButton(dialog, IDC_PSET_SORT0, IDC_PSET_SORT2, IDC_PSET_SORT1);
    CheckRadioButton(dialog, IDC_PSET_DISP0, IDC_PSET_DISP1, IDC_PSET_DISP1);
    CheckRadioButton(dialog, IDC_PSET_NTP, IDC_PSET_NTP + 13, IDC_PSET_NTP + 3);
    SetDigits(dialog, IDC_PSET_DIGEDIT2, 5);
    SetDigits(dialog, IDC_PSET_FONTDIG, 12);
    EXPECT_EQ(ControlText(dialog, IDC_PSET_NTP + 13), L"utcnist.colorado.edu");
    PressButton(dialog, IDOK);
  });
  RECT formRect;
  GetWindowRect(form.Handle(), &formRect);
  EXPECT_EQ(dialogCorner.x, formRect.left);
  EXPECT_EQ(dialogCorner.y, formRect.top);
  const TSettings& s = form.Settings();
  EXPECT_EQ(s.STATUS_DISP, 0);
  EXPECT_EQ(s.COUNT_DISP, 1);
  EXPECT_TRUE(s.AJCLK);
  EXPECT_EQ(s.CURSOR_MONITOR, 1);
  EXPECT_EQ(s.SORTMODE, 1);
  EXPECT_EQ(s.DBLMODE, 1);
  EXPECT_EQ(s.NTP, 3);
  EXPECT_EQ(s.Colum, 5);
  EXPECT_EQ(s.FontSize, 12);
  EXPECT_FALSE(IsWindowVisible(form.Control(kStatusBar1)));
  EXPECT_EQ(form.TimeServerHost(), kTimeServers[3]);
  EXPECT_TRUE(f.timeSource.hostsAsked.empty());
}

TEST(SettingsDialog, ColourSetsAndThePickerFillTheSwatchesAndOkPaintsThePanels) {
  FormFixture f;
  f.WriteSettings("[\x90\x46]\r\nCountC=255\r\n");  // [色]
  TZELKForm& form = f.Create();
  f.colorPicker.answer = 0x00123456;
  WithSettingsDialog(form, [](HWND dialog) {
    PressButton(dialog, IDC_PSET_BUTTON12);
    PressButton(dialog, IDC_PSET_COLORBUTTON + 0);  // ボタン（光）
    PressButton(dialog, IDOK);
  });
  const TSettings& s = form.Settings();
  EXPECT_EQ(f.colorPicker.asked, std::vector<TColor>{0x00C0C0C0});  // the set's colour, before OK
  EXPECT_EQ(s.BH, 0x00123456);
  EXPECT_EQ(s.TopC, 0x00808080);
  EXPECT_EQ(s.LeftC, 0x00808000);
  EXPECT_EQ(s.StatusC, 0x00C08080);
  EXPECT_EQ(s.CountC, 255);
  EXPECT_EQ(f.BackgroundColor(kPanel1), RGB(128, 128, 128));
  EXPECT_EQ(f.BackgroundColor(kPanel3), RGB(128, 128, 128));
}

TEST(SettingsDialog, DesktopBoxesGreyTheirRowAtOnceAndOkTakesTheArchiveFolders) {
  FormFixture f;
  TZELKForm& form = f.Create();
  const std::wstring desktop = form.Settings().FreezeDir;  // MeltDLG and FreezeDLG start at 1
  const std::wstring chosen = f.folder.File(L"");
  f.folderBrowser.choice = chosen.substr(0, chosen.size() - 1);  // without the last "\"
  const std::wstring present = f.folder.File(L"Melt");
  CreateDirectoryW(present.c_str(), nullptr);
  WithSettingsDialog(form, [&](HWND dialog) {
    EXPECT_FALSE(Enabled(dialog, IDC_PSET_MELT_EDIT));
    EXPECT_FALSE(Enabled(dialog, IDC_PSET_MELTBTN));
    ClickCheckBox(dialog, IDC_PSET_MELTCHK);
    EXPECT_TRUE(Enabled(dialog, IDC_PSET_MELT_EDIT));
    EXPECT_TRUE(Enabled(dialog, IDC_PSET_MELTBTN));
    SetDlgItemTextW(dialog, IDC_PSET_MELT_EDIT, present.c_str());
    PressButton(dialog, IDC_PSET_MELTBTN);
    EXPECT_EQ(f.folderBrowser.initialSelection, present);  // the browser opens on it
    EXPECT_EQ(ControlText(dialog, IDC_PSET_MELT_EDIT), *f.folderBrowser.choice);
    // A folder that is not there is refused, and the dialog stays.
    ClickCheckBox(dialog, IDC_PSET_FREEZECHK);
    SetDlgItemTextW(dialog, IDC_PSET_FREEZE_EDIT, L"C:\\no such folder");
    PressButton(dialog, IDOK);
    EXPECT_EQ(f.messageBoxes.errors.size(), 1u);
    EXPECT_TRUE(IsWindow(dialog));
    ClickCheckBox(dialog, IDC_PSET_FREEZECHK);
    EXPECT_FALSE(Enabled(dialog, IDC_PSET_FREEZE_EDIT));
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(form.Settings().MeltDLG, 0);
  EXPECT_EQ(form.Settings().MeltDir, *f.folderBrowser.choice);
  EXPECT_EQ(form.Settings().FreezeDLG, 1);
  EXPECT_EQ(form.Settings().FreezeDir, desktop);
}

TEST(SettingsDialog, LabelsArePaintedOnTheirPagesOwnBackgroundWithAndWithoutCommonControls6) {
  FormFixture f;
  TZELKForm& form = f.Create();
  WithSettingsDialog(form, [](HWND dialog) { ExpectLabelsOnTheirPage(dialog, false); });
  // The same dialog made of the version 6 controls a manifest asks for.
  const std::wstring manifest = f.folder.File(L"cc6.manifest");
  std::ofstream(manifest.c_str())
      << "<assembly xmlns='urn:schemas-microsoft-com:asm.v1' manifestVersion='1.0'><dependency>"
         "<dependentAssembly><assemblyIdentity type='win32' "
         "name='Microsoft.Windows.Common-Controls' version='6.0.0.0' processorArchitecture='*' "
         "publicKeyToken='6595b64144ccf1df' language='*'/></dependentAssembly></dependency>"
         "</assembly>";
  ACTCTXW context{};
  context.cbSize = sizeof context;
  context.lpSource = manifest.c_str();
  const HANDLE activation = CreateActCtxW(&context);
  ASSERT_NE(activation, INVALID_HANDLE_VALUE);
  ULONG_PTR cookie = 0;
  ASSERT_TRUE(ActivateActCtx(activation, &cookie));
  WithSettingsDialog(form, [](HWND dialog) { ExpectLabelsOnTheirPage(dialog, true); });
  DeactivateActCtx(0, cookie);
  ReleaseActCtx(activation);
}

TEST(SettingsDialog, ColumnsAndFontSizeOutsideTheirBoundsAreToldAndBrought) {
  FormFixture f;
  TZELKForm& form = f.Create();
  WithSettingsDialog(form, [&](HWND dialog) {
    SetDigits(dialog, IDC_PSET_DIGEDIT2, 0);
    PressButton(dialog, IDOK);
    SetDigits(dialog, IDC_PSET_FONTDIG, 99);
    PressButton(dialog, IDOK);
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(f.messageBoxes.errors,
            (std::vector<std::wstring>{L"1～10の間で、入力してください。",
                                       L"6～72の間で、入力してください。"}));
  EXPECT_EQ(form.Settings().Colum, 1);
  EXPECT_EQ(form.Settings().FontSize, 72);
}

TEST(SettingsDialog, CountResetAsksAndZeroesOnlyItemsRegisteredOnTheCurrentSheet) {
  FormFixture f;
  CreateDirectoryW(f.ProgramFile(L"Data").c_str(), nullptr);
  TSheetBuffer sheet;
  const wchar_t* groups[] = {L"一般", L"OFFICE", L"一般"};
  for (int i = 0; i < 3; ++i) {
    TLauncherItem& item = sheet.Items[static_cast<std::size_t>(i)];
    EncodeField(item.Target, L"C:\\windows\\notepad.exe", TAnsiCodec());
    EncodeField(item.Group, groups[i], TAnsiCodec());
    item.Slot = i;
    item.Count = 5 + i;
  }
  sheet.Count = 3;
  const auto bytes = SheetFileBytes(sheet);
  WriteBytes(f.ProgramFile(L"Data\\一般"), {bytes.begin(), bytes.end()});
  TZELKForm& form = f.Create();
  const auto counts = [&] {
    std::vector<int> result;
    for (int i = 0; i < form.Sheet().Buffer().Count; ++i) {
      result.push_back(form.Sheet().Buffer().Items[static_cast<std::size_t>(i)].Count);
    }
    return result;
  };
  const auto reset = [](HWND dialog) { PressButton(dialog, IDC_PSET_BUTTON1); };
  f.messageBoxes.answer = false;
  WithSettingsDialog(form, reset);
  EXPECT_EQ(f.messageBoxes.confirmations,
            std::vector<std::wstring>{L"「一般」シート内のカウントを初期化します。"});
  EXPECT_EQ(counts().size(), 3u);
  EXPECT_EQ(counts()[0] + counts()[1] + counts()[2], 18);
  f.messageBoxes.answer = true;
  WithSettingsDialog(form, reset);
  std::vector<int> sorted = counts();
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (std::vector<int>{0, 0, 6}));  // OFFICE's item keeps its count
}
