#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/dialogs/StNames/StNamesIds.h"
#include "app/form/ControlIds.h"
#include "app/settings/PrivateProfile_win.h"
#include "app/sheets/SheetFiles.h"
#include "base/text/AnsiCodec_win.h"
#include "base/text/AnsiField.h"
#include "tests/app/dialogs/DialogDriver_win.h"
#include "tests/app/form/FormFixture_win.h"

namespace {

void Command(TZELKForm& form, int id) { SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

// Answers the sheet-name dialog with a text and OK.
void AnswerSheetName(TZELKForm& form, int command, const std::wstring& text, std::wstring* shown = nullptr) {
  TDialogDriver driver(L"シート名入力", [&](HWND dialog) {
    if (shown) *shown = ControlText(dialog, IDC_STDLG_EDIT1);
    SetDlgItemTextW(dialog, IDC_STDLG_EDIT1, text.c_str());
    PressButton(dialog, IDOK);
  });
  Command(form, command);
  ASSERT_TRUE(driver.Ran());
}

std::vector<std::wstring> MoveToEntries(const TZELKForm& form) {
  const HMENU moveTo = GetSubMenu(form.PopMenu(), 5);
  std::vector<std::wstring> names;
  for (int i = 0; i < GetMenuItemCount(moveTo); ++i) {
    wchar_t text[128] = {};
    GetMenuStringW(moveTo, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    names.emplace_back(text);
  }
  return names;
}

void SelectTab(TZELKForm& form, int index) {
  TabCtrl_SetCurSel(form.Control(kATab), index);
  NMHDR change{form.Control(kATab), kATab, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(form.Handle(), WM_NOTIFY, kATab, reinterpret_cast<LPARAM>(&change));
}

std::wstring Notepad() {
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  return std::wstring(system) + L"\\notepad.exe";
}

void WriteSheet(const FormFixture& f, const std::wstring& name, int items) {
  CreateDirectoryW(f.ProgramFile(L"Data").c_str(), nullptr);
  TSheetBuffer sheet;
  for (int i = 0; i < items; ++i) {
    EncodeField(sheet.Items[static_cast<std::size_t>(i)].Target, Notepad(), TAnsiCodec());
    EncodeField(sheet.Items[static_cast<std::size_t>(i)].Group, name, TAnsiCodec());
    sheet.Items[static_cast<std::size_t>(i)].Slot = i;
  }
  sheet.Count = items;
  const auto bytes = SheetFileBytes(sheet);
  WriteBytes(f.ProgramFile(L"Data\\" + name), {bytes.begin(), bytes.end()});
}

using Names = std::vector<std::wstring>;

}  // namespace

TEST(SheetCommands, CreatingASheetAppendsItAndTheMoveToMenuFollows) {
  FormFixture f;
  TZELKForm& form = f.Create();
  AnswerSheetName(form, kStCreate, L"ツール");
  EXPECT_EQ(MoveToEntries(form), (Names{L"一般", L"OFFICE", L"画像", L"通信", L"ｹﾞｰﾑ", L"ツール"}));
  EXPECT_EQ(TabCtrl_GetCurSel(form.Control(kATab)), 0);  // the current sheet stays current
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(TPrivateProfile(f.ProgramFile(L"ZELK.ini")).ReadString(L"設定", L"TAB5"), L"ツール");
}

TEST(SheetCommands, ARefusedNameIsExplainedInTheOpenDialogAndChangesNothing) {
  FormFixture f;
  TZELKForm& form = f.Create();
  std::vector<std::wstring> keptTexts;
  TDialogDriver driver(L"シート名入力", [&](HWND dialog) {
    for (const wchar_t* name : {L"OFFICE", L"..\\外"}) {
      SetDlgItemTextW(dialog, IDC_STDLG_EDIT1, name);
      PressButton(dialog, IDOK);
      keptTexts.push_back(ControlText(dialog, IDC_STDLG_EDIT1));
    }
    PressButton(dialog, IDCANCEL);
  });
  Command(form, kStCreate);
  ASSERT_TRUE(driver.Ran());
  EXPECT_EQ(keptTexts, (Names{L"OFFICE", L"..\\外"}));
  EXPECT_EQ(f.messageBoxes.errors.size(), 2u);
  EXPECT_EQ(MoveToEntries(form).size(), 5u);
}

TEST(SheetCommands, RenameShowsTheOldNameAndItemsFollowUnderTheNewOne) {
  FormFixture f;
  WriteSheet(f, L"一般", 2);
  TZELKForm& form = f.Create();
  std::wstring shown;
  AnswerSheetName(form, kStRename, L"仕事", &shown);
  EXPECT_EQ(shown, L"一般");
  EXPECT_EQ(MoveToEntries(form)[0], L"仕事");
  SelectTab(form, 1);
  SelectTab(form, 0);
  EXPECT_EQ(form.Sheet().Name(), L"仕事");
  EXPECT_EQ(form.Sheet().Buffer().Count, 2);
  EXPECT_EQ(DecodeField(form.Sheet().Buffer().Items[0].Group, TAnsiCodec()), L"仕事");
  EXPECT_TRUE(GetFileAttributesW(f.ProgramFile(L"Data\\一般").c_str()) != INVALID_FILE_ATTRIBUTES);
}

TEST(SheetCommands, DeletingTheCurrentSheetShowsTheNewFirstSheetAndRecreatingBringsItBack) {
  FormFixture f;
  WriteSheet(f, L"一般", 3);
  WriteSheet(f, L"OFFICE", 1);
  TZELKForm& form = f.Create();
  Command(form, kStDelete);
  EXPECT_EQ(f.messageBoxes.confirmations.back(), L"一般シートを削除します。よろしいですか？");
  EXPECT_EQ(form.Sheet().Name(), L"OFFICE");
  EXPECT_EQ(form.Sheet().Buffer().Count, 1);
  EXPECT_EQ(MoveToEntries(form), (Names{L"OFFICE", L"画像", L"通信", L"ｹﾞｰﾑ"}));

  AnswerSheetName(form, kStCreate, L"一般");
  SelectTab(form, 4);
  EXPECT_EQ(form.Sheet().Buffer().Count, 3);
}

TEST(ItemCommands, MovingAnItemWritesBothSheetsAndAFullSheetRefusesIt) {
  FormFixture f;
  WriteSheet(f, L"一般", 2);
  WriteSheet(f, L"通信", 400);
  TZELKForm& form = f.Create();
  ShowWindow(form.Handle(), SW_SHOW);
  UpdateWindow(form.Control(kPAria));
  SendMessageW(form.Control(kPAria), WM_MBUTTONDOWN, 0, MAKELPARAM(10, 10));  // slot 0
  Command(form, kMoveToFirst + 1);  // OFFICE, which has no file yet
  EXPECT_EQ(form.Sheet().Buffer().Count, 1);
  TSheetBuffer office;
  ReadSheetFileBytes(ReadBytes(f.ProgramFile(L"Data\\OFFICE")), L"OFFICE", office);
  EXPECT_EQ(office.Count, 1);
  EXPECT_EQ(office.Items[0].Slot, 0);
  EXPECT_EQ(DecodeField(office.Items[0].Group, TAnsiCodec()), L"一般");

  Command(form, kMoveToFirst + 3);  // 通信 is full
  EXPECT_EQ(f.messageBoxes.errors.back(), L"これ以上登録できません。");
  EXPECT_EQ(form.Sheet().Buffer().Count, 1);
}

TEST(ItemCommands, DeletingTheOnlyItemAsksWithItsTargetAndLeavesAnEmptySheet) {
  FormFixture f;
  WriteSheet(f, L"一般", 1);
  TZELKForm& form = f.Create();
  ShowWindow(form.Handle(), SW_SHOW);
  UpdateWindow(form.Control(kPAria));
  SendMessageW(form.Control(kPAria), WM_MBUTTONDOWN, 0, MAKELPARAM(10, 10));
  Command(form, kDelete1);
  EXPECT_EQ(f.messageBoxes.confirmations.back(), L"「" + Notepad() + L"」を削除します。よろしいですか？");
  EXPECT_EQ(form.Sheet().Buffer().Count, 0);
}

TEST(SystemShortcuts, TheToolboxCalculatorStartsCalcInTheWindowsFolder) {
  FormFixture f;
  TZELKForm& form = f.Create();
  TDialogDriver driver(L"ツールボックス", [](HWND dialog) { PressButton(dialog, 106); });
  Command(form, kToolBtn);
  ASSERT_TRUE(driver.Ran());
  ASSERT_EQ(f.shell.starts.size(), 1u);
  EXPECT_EQ(f.shell.starts[0].file, L"Calc");
}
