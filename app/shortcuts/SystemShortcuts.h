#pragma once
// The quick bar's five buttons, the folder bar, the toolbox's tools and the
// popup entries for the control panel and the registry editor: what each
// click hands to the shell.

#include <array>
#include <string_view>

#include "app/shortcuts/ShortcutShell.h"
#include "base/Scale.h"

enum class TQuickBarButton { MyDocBtn, MyComBtn, MyNetBtn, IEBtn, ctrlbtn };

struct TQuickBarEntry {
  TQuickBarButton Button;
  std::wstring_view Hint;
  TDip Top;                         // in the bar; all are 38 x 38 at left 4 (96 DPI)
  std::wstring_view SpecialObject;  // the name ShellContextMenu knows it by
  int Folder;                       // CSIDL of its context menu
};

inline constexpr std::array<TQuickBarEntry, 5> kQuickBar = {{
    {TQuickBarButton::MyDocBtn, L"マイドキュメント", TDip{8}, L"MYDOC", 5},
    {TQuickBarButton::MyComBtn, L"マイコンピュータ", TDip{48}, L"MYCOM", 17},
    {TQuickBarButton::MyNetBtn, L"ネットワークコンピュータ", TDip{88}, L"MYNET", 18},
    {TQuickBarButton::IEBtn, L"インターネット", TDip{128}, L"INTERNET", 1},
    {TQuickBarButton::ctrlbtn, L"コントロールパネル", TDip{168}, L"CONTROL", 3},
}};

[[nodiscard]] const TQuickBarEntry& QuickBarEntry(TQuickBarButton button);

struct TToolEntry {
  std::wstring_view Caption;
  int Tag;  // the dialog's modal result and the button's identifier
  std::wstring_view File;
};

inline constexpr std::array<TToolEntry, 6> kToolBox = {{
    {L"ｺﾝﾄﾛｰﾙﾊﾟﾈﾙ", 100, L"Control"},
    {L"ﾚｼﾞｽﾄﾘｴﾃﾞｨﾀ", 101, L"Regedit"},
    {L"DOSﾌﾟﾛﾝﾌﾟﾄ", 102, L"Command"},
    {L"ペイント", 103, L"mspaint"},
    {L"メモ帳", 104, L"NotePad"},
    {L"電卓", 106, L"Calc"},
}};

// Special folders opened by the buttons (CSIDL numbers).
inline constexpr int kPersonalFolder = 5;
inline constexpr int kProgramsFolder = 2;
inline constexpr int kStartupFolder = 7;

// MyDocBtnClick, MyComBtnClick, MyNetBtnClick, IEBtnClick, ctrlbtnClick.
void QuickBarClick(TQuickBarButton button, TShortcutShell& shell);
// IE30Btn7Click ("PROGRAM") and StartBtnClick ("ｽﾀｰﾄｱｯﾌﾟ").
void IE30Btn7Click(TShortcutShell& shell);
void StartBtnClick(TShortcutShell& shell);
// The item popup menu's "コントロールパネル" and "レジストリエディタ".
void CtrlPnl(IShellRunner& shell);
void N4Click(IShellRunner& shell);
// K8Click after the toolbox closed: starts the tool of the modal result
// with the Windows folder as working folder; any other result starts nothing.
void RunToolBoxResult(int modalResult, TShortcutShell& shell);
