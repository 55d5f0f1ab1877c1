#include <gtest/gtest.h>

#include "app/dialogs/Sort/SortIds.h"
#include "app/dialogs/Sort/Sort_win.h"
#include "app/dialogs/StNames/StNamesIds.h"
#include "app/dialogs/StNames/StNames_win.h"
#include "app/dialogs/ToolBox/ToolBoxIds.h"
#include "app/dialogs/ToolBox/ToolBox_win.h"
#include "app/shortcuts/SpecialFolders_win.h"
#include "app/shortcuts/SystemShortcuts.h"
#include "base/errors/Errors.h"
#include "base/text/AnsiCodec_win.h"
#include "tests/app/dialogs/DialogDriver_win.h"
#include "tests/app/shortcuts/RecordingShell.h"
#include "tests/support/FakeMessageBoxes.h"

namespace {

// A stand-in for the main window: the dialogs' owner.
class OwnerWindow {
 public:
  OwnerWindow() {
    handle = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 120, 90, 300, 200,
                             nullptr, nullptr, nullptr, nullptr);
  }
  ~OwnerWindow() { DestroyWindow(handle); }
  HWND handle;
};

bool CentredOnScreen(HWND dialog) {
  RECT rect{};
  GetWindowRect(dialog, &rect);
  const int dx = (rect.left + rect.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2;
  const int dy = (rect.top + rect.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2;
  return std::abs(dx) <= 1 && std::abs(dy) <= 1;
}

std::vector<std::wstring> ListTexts(HWND dialog, int id) {
  const HWND list = GetDlgItem(dialog, id);
  std::vector<std::wstring> texts;
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    texts.emplace_back(text);
  }
  return texts;
}

}  // namespace

TEST(StDlg, ShowsCaptionPromptAndTextCentredAndGivesTheEditedTextOnOK) {
  OwnerWindow owner;
  std::wstring prompt, text, cancel;
  bool centred = false;
  TDialogDriver driver(L"表.exe", [&](HWND dialog) {
    prompt = ControlText(dialog, IDC_STDLG_GROUPBOX1);
    text = ControlText(dialog, IDC_STDLG_EDIT1);
    cancel = ControlText(dialog, IDCANCEL);
    centred = CentredOnScreen(dialog);
    SetDlgItemTextW(dialog, IDC_STDLG_EDIT1, L"新しい名前");
    PressButton(dialog, IDOK);
  });
  FakeMessageBoxes boxes;
  const TTextEntryRule anyText{255, TAnsiCodec(), boxes, {}};
  const auto result = AskText(owner.handle, L"表.exe", L"表示名を変更します。", L"表計算", anyText);
  ASSERT_TRUE(driver.Ran()) << "no dialog captioned 表.exe was shown";
  EXPECT_EQ(prompt, L"表示名を変更します。");
  EXPECT_EQ(text, L"表計算");
  EXPECT_EQ(cancel, L"ｷｬﾝｾﾙ");
  EXPECT_TRUE(centred);
  EXPECT_EQ(result, std::optional<std::wstring>(L"新しい名前"));
}

TEST(StDlg, CancelGivesNothingAndTheDesignCaptionIsTheSheetNamePrompt) {
  OwnerWindow owner;
  TDialogDriver driver(L"シート名入力", [](HWND dialog) {
    SetDlgItemTextW(dialog, IDC_STDLG_EDIT1, L"捨てる");
    PressButton(dialog, IDCANCEL);
  });
  TStDlg dialog;
  dialog.Prompt = L"作成するシート名を入力してください。";
  EXPECT_FALSE(dialog.ShowModal(owner.handle));
  EXPECT_TRUE(driver.Ran());
  EXPECT_EQ(dialog.Text, L"");
}

TEST(StDlg, TypingPastTheByteLimitOfTheCodePageChangesNothing) {
  // Wine runs these tests in code page 932: a Japanese character is two bytes.
  OwnerWindow owner;
  FakeMessageBoxes boxes;
  const TTextEntryRule fiveBytes{5, TAnsiCodec(), boxes, {}};
  std::vector<std::wstring> texts;
  TDialogDriver driver(L"表.exe", [&](HWND dialog) {
    const HWND edit = GetDlgItem(dialog, IDC_STDLG_EDIT1);
    const auto type = [&](wchar_t c) {
      SendMessageW(edit, EM_SETSEL, 99, 99);
      SendMessageW(edit, WM_CHAR, c, 0);
      texts.push_back(WindowText(edit));
    };
    type(L'表');  // 6 bytes: refused
    type(L'c');   // 5 bytes
    type(L'd');
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, WM_CHAR, L'x', 0);  // at the front, refused as well
    texts.push_back(WindowText(edit));
    PressButton(dialog, IDOK);
  });
  const auto result = AskText(owner.handle, L"表.exe", L"", L"ab表", fiveBytes);
  ASSERT_TRUE(driver.Ran());
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"ab表", L"ab表c", L"ab表c", L"ab表c"}));
  EXPECT_EQ(result, std::optional<std::wstring>(L"ab表c"));
  EXPECT_TRUE(boxes.errors.empty());
}

TEST(StDlg, ARefusedTextIsExplainedShortlyAndStaysInTheOpenDialog) {
  OwnerWindow owner;
  FakeMessageBoxes boxes;
  const TItemTextEntry entry{L"表.exe", L"表示名を変更します。", L"表計算", 255};
  std::wstring keptText;
  bool keptOpen = false;
  TDialogDriver driver(L"表.exe", [&](HWND dialog) {
    SetDlgItemTextW(dialog, IDC_STDLG_EDIT1, L"한국어");
    PressButton(dialog, IDOK);
    keptOpen = IsWindowVisible(dialog);
    keptText = ControlText(dialog, IDC_STDLG_EDIT1);
    SetDlgItemTextW(dialog, IDC_STDLG_EDIT1, L"韓国語");
    PressButton(dialog, IDOK);
  });
  const auto result = AskItemText(owner.handle, entry, TItemField::Display, TAnsiCodec(), boxes);
  ASSERT_TRUE(driver.Ran());
  EXPECT_TRUE(keptOpen);
  EXPECT_EQ(keptText, L"한국어");
  EXPECT_EQ(boxes.errors,
            std::vector<std::wstring>{
                L"表示名には、このシステムの文字コードで保存できない文字が含まれています。"});
  EXPECT_EQ(result, std::optional<std::wstring>(L"韓国語"));
}

TEST(ModalDialog, AFailureInsideClosesTheDialogAndIsRaisedToTheCaller) {
  class FailingDialog : public TModalDialog {
   public:
    int Show(HWND owner) { return RunModal(owner, L"TStDlg"); }

   private:
    void OnInitDialog() override {}
    bool OnCommand(int id, int) override {
      if (id == IDOK) throw EZelkError(L"保存できませんでした。");
      return false;
    }
  };
  OwnerWindow owner;
  TDialogDriver driver(kStDlgCaption, [](HWND dialog) { PressButton(dialog, IDOK); });
  FailingDialog dialog;
  try {
    dialog.Show(owner.handle);
    ADD_FAILURE() << "the failure was not raised";
  } catch (const EZelkError& failure) {
    EXPECT_EQ(failure.Message(), L"保存できませんでした。");
  }
  EXPECT_TRUE(driver.Ran());
  EXPECT_EQ(FindThreadWindow(L"#32770", kStDlgCaption), nullptr) << "the dialog is still open";
}

TEST(SortDlg, MovingDThenBGivesTheOrderDBACOnOK) {
  OwnerWindow owner;
  std::vector<std::wstring> left, right;
  std::wstring label1, label2;
  int selectedAfterB = -2;
  TDialogDriver driver(L"並び替え", [&](HWND dialog) {
    label1 = ControlText(dialog, IDC_SORTDLG_LABEL1);
    label2 = ControlText(dialog, IDC_SORTDLG_LABEL2);
    EXPECT_TRUE(CentredOnScreen(dialog));
    PressButton(dialog, IDC_SORTDLG_RIGHT);  // nothing selected: D
    SendDlgItemMessageW(dialog, IDC_SORTDLG_LIST1, LB_SETCURSEL, 1, 0);
    PressButton(dialog, IDC_SORTDLG_RIGHT);  // B
    selectedAfterB =
        static_cast<int>(SendDlgItemMessageW(dialog, IDC_SORTDLG_LIST1, LB_GETCURSEL, 0, 0));
    left = ListTexts(dialog, IDC_SORTDLG_LIST1);
    right = ListTexts(dialog, IDC_SORTDLG_LIST2);
    PressButton(dialog, IDOK);
  });
  const auto order = AskSheetOrder(owner.handle, {L"A", L"B", L"C", L"D"});
  ASSERT_TRUE(driver.Ran());
  EXPECT_EQ(label1, L"＜現在の並び＞");
  EXPECT_EQ(label2, L"＜並び替え後＞");
  EXPECT_EQ(left, (std::vector<std::wstring>{L"A", L"C"}));
  EXPECT_EQ(right, (std::vector<std::wstring>{L"D", L"B"}));
  EXPECT_EQ(selectedAfterB, 1) << "List1 selects the entry now at the old position";
  EXPECT_EQ(order, std::optional<std::vector<int>>({3, 1, 0, 2}));
}

TEST(SortDlg, CancelKeepsTheOrder) {
  OwnerWindow owner;
  TDialogDriver driver(L"並び替え", [](HWND dialog) {
    PressButton(dialog, IDC_SORTDLG_RIGHT);
    PressButton(dialog, IDC_SORTDLG_LEFT);
    PressButton(dialog, IDCANCEL);
  });
  EXPECT_FALSE(AskSheetOrder(owner.handle, {L"A", L"B"}).has_value());
  EXPECT_TRUE(driver.Ran());
}

TEST(ToolDlg, CalculatorStartsCalcInTheWindowsFolderFromTheMainWindowsCorner) {
  OwnerWindow owner;
  std::vector<std::wstring> captions;
  RECT placed{};
  TDialogDriver driver(L"ツールボックス", [&](HWND dialog) {
    for (const auto& tool : kToolBox) captions.push_back(ControlText(dialog, tool.Tag));
    captions.push_back(ControlText(dialog, IDCANCEL));
    GetWindowRect(dialog, &placed);
    PressButton(dialog, IDC_TOOLDLG_DENBTN);
  });
  TToolDlg toolBox;
  const int result = toolBox.ShowModal(owner.handle);
  ASSERT_TRUE(driver.Ran());
  EXPECT_EQ(captions, (std::vector<std::wstring>{L"ｺﾝﾄﾛｰﾙﾊﾟﾈﾙ", L"ﾚｼﾞｽﾄﾘｴﾃﾞｨﾀ", L"DOSﾌﾟﾛﾝﾌﾟﾄ",
                                                 L"ペイント", L"メモ帳", L"電卓", L"ｷｬﾝｾﾙ"}));
  EXPECT_EQ(placed.left, 120);
  EXPECT_EQ(placed.top, 90);
  EXPECT_EQ(result, 106);

  RecordingShell recorder;
  TWin32SpecialFolders folders;
  TShortcutShell shell{recorder, recorder, folders};
  RunToolBoxResult(result, shell);
  ASSERT_EQ(recorder.calls.size(), 1u);
  EXPECT_EQ(recorder.calls[0], (TShellCall{L"", L"Calc", L"", WindowsFolder(), 5}));
  EXPECT_FALSE(WindowsFolder().empty());
}

TEST(ToolDlg, CancelStartsNothing) {
  OwnerWindow owner;
  TDialogDriver driver(L"ツールボックス", [](HWND dialog) { PressButton(dialog, IDCANCEL); });
  TToolDlg toolBox;
  const int result = toolBox.ShowModal(owner.handle);
  EXPECT_TRUE(driver.Ran());
  EXPECT_EQ(result, IDCANCEL);
  RecordingShell recorder;
  TWin32SpecialFolders folders;
  TShortcutShell shell{recorder, recorder, folders};
  RunToolBoxResult(result, shell);
  EXPECT_TRUE(recorder.calls.empty());
}
