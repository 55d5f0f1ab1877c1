#include "app/shortcuts/SystemShortcuts.h"

#include <algorithm>
#include <string>

namespace {

// A special folder without a file-system path is not handed on: the shell
// would open its present folder for an empty file name.
void OpenSpecialFolder(int folder, TShortcutShell& shell) {
  const std::wstring path = shell.Folders.SpecialFolderPath(folder);
  if (!path.empty()) shell.Runner.ShellRun(path, L"", L"", kShowNormal);
}

void OpenInExplorer(const wchar_t* object, TShortcutShell& shell) {
  shell.Executor.Execute(L"Open", L"EXPLORER.EXE", object, L"", kShowNormal);
}

}  // namespace

const TQuickBarEntry& QuickBarEntry(TQuickBarButton button) {
  return *std::ranges::find(kQuickBar, button, &TQuickBarEntry::Button);
}

void QuickBarClick(TQuickBarButton button, TShortcutShell& shell) {
  switch (button) {
    case TQuickBarButton::MyDocBtn:
      OpenSpecialFolder(kPersonalFolder, shell);
      break;
    case TQuickBarButton::MyComBtn:
      OpenInExplorer(L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", shell);
      break;
    case TQuickBarButton::MyNetBtn:
      OpenInExplorer(L"::{208D2C60-3AEA-1069-A2D7-08002B30309D}", shell);
      break;
    case TQuickBarButton::IEBtn:
      OpenInExplorer(L"::{871C5380-42A0-1069-A2EA-08002B30309D}", shell);
      break;
    case TQuickBarButton::ctrlbtn:
      shell.Executor.Execute(L"Open", L"control.eXE", L"", L"", kShowNormal);
      break;
  }
}

void IE30Btn7Click(TShortcutShell& shell) { OpenSpecialFolder(kProgramsFolder, shell); }

void StartBtnClick(TShortcutShell& shell) { OpenSpecialFolder(kStartupFolder, shell); }

void CtrlPnl(IShellRunner& shell) { shell.ShellRun(L"Control", L"", L"", kShowNormal); }

void N4Click(IShellRunner& shell) { shell.ShellRun(L"RegEdit", L"", L"", kShowNormal); }

void RunToolBoxResult(int modalResult, TShortcutShell& shell) {
  const auto tool = std::ranges::find(kToolBox, modalResult, &TToolEntry::Tag);
  if (tool == kToolBox.end()) return;
  shell.Runner.ShellRun(std::wstring(tool->File), L"", shell.Folders.WindowsFolder(), kShowNormal);
}
