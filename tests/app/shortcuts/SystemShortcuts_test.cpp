#include <gtest/gtest.h>

#include "app/shortcuts/QuickBarIconSources.h"
#include "app/shortcuts/ShellObjectText.h"
#include "app/shortcuts/SystemShortcuts.h"
#include "tests/app/shortcuts/RecordingShell.h"

namespace {

struct Shell {
  RecordingShell recorder;
  TableSpecialFolders folders;
  TShortcutShell shell{recorder, recorder, folders};
};

}  // namespace

TEST(SystemShortcuts, QuickBarLeftClicksOpenTheirObjectsWithTheirVerbsAndClassIdentifiers) {
  Shell s;
  s.folders.paths[5] = L"C:\\My Documents";
  for (const auto& entry : kQuickBar) QuickBarClick(entry.Button, s.shell);

  const std::vector<TShellCall> expected = {
      {L"", L"C:\\My Documents", L"", L"", 5},
      {L"Open", L"EXPLORER.EXE", L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", L"", 5},
      {L"Open", L"EXPLORER.EXE", L"::{208D2C60-3AEA-1069-A2D7-08002B30309D}", L"", 5},
      {L"Open", L"EXPLORER.EXE", L"::{871C5380-42A0-1069-A2EA-08002B30309D}", L"", 5},
      {L"Open", L"control.eXE", L"", L"", 5},
  };
  EXPECT_EQ(s.recorder.calls, expected);
}

TEST(SystemShortcuts, FolderBarOpensProgramsAndStartupAndAFolderWithoutPathStartsNothing) {
  Shell s;
  s.folders.paths[2] = L"C:\\WINDOWS\\Start Menu\\Programs";
  s.folders.paths[7] = L"C:\\WINDOWS\\Start Menu\\Programs\\StartUp";
  IE30Btn7Click(s.shell);
  StartBtnClick(s.shell);
  const std::vector<TShellCall> expected = {
      {L"", L"C:\\WINDOWS\\Start Menu\\Programs", L"", L"", 5},
      {L"", L"C:\\WINDOWS\\Start Menu\\Programs\\StartUp", L"", L"", 5},
  };
  EXPECT_EQ(s.recorder.calls, expected);

  // An empty file name would have the shell open its present folder instead.
  s.folders.paths.clear();
  s.recorder.calls.clear();
  IE30Btn7Click(s.shell);
  QuickBarClick(TQuickBarButton::MyDocBtn, s.shell);
  EXPECT_TRUE(s.recorder.calls.empty()) << "first call: " << s.recorder.calls.front();
}

TEST(SystemShortcuts, ToolBoxStartsItsToolInTheWindowsFolderAndCancelStartsNothing) {
  Shell s;
  RunToolBoxResult(106, s.shell);
  ASSERT_EQ(s.recorder.calls.size(), 1u);
  EXPECT_EQ(s.recorder.calls[0], (TShellCall{L"", L"Calc", L"", L"C:\\WINDOWS", 5}));

  s.recorder.calls.clear();
  for (int result : {100, 101, 102, 103, 104}) RunToolBoxResult(result, s.shell);
  std::vector<std::wstring> files;
  for (const auto& call : s.recorder.calls) files.push_back(call.File);
  EXPECT_EQ(files, (std::vector<std::wstring>{L"Control", L"Regedit", L"Command", L"mspaint",
                                              L"NotePad"}));

  s.recorder.calls.clear();
  for (int result : {2, 105, 0}) RunToolBoxResult(result, s.shell);  // Cancel, the unused tag
  EXPECT_TRUE(s.recorder.calls.empty()) << "first call: " << s.recorder.calls.front();
}

TEST(SystemShortcuts, PopupEntriesStartControlPanelAndRegistryEditor) {
  RecordingShell recorder;
  CtrlPnl(recorder);
  N4Click(recorder);
  const std::vector<TShellCall> expected = {{L"", L"Control", L"", L"", 5},
                                            {L"", L"RegEdit", L"", L"", 5}};
  EXPECT_EQ(recorder.calls, expected);
}

TEST(ShellContextMenu, TextsSplitIntoFolderAndNameOrNameASpecialFolder) {
  const auto file = SplitShellObjectText(L"C:\\ソフト\\表.exe");
  EXPECT_EQ(file.Folder, L"C:\\ソフト");
  EXPECT_EQ(file.Name, L"表.exe");
  EXPECT_EQ(file.SpecialFolder, -1);
  EXPECT_EQ(SplitShellObjectText(L"C:\\x.txt").Folder, L"C:\\");

  const std::vector<std::pair<std::wstring, int>> specials = {
      {L"MYCOM", 17}, {L"MYDOC", 5}, {L"MYNET", 18}, {L"CONTROL", 3}, {L"INTERNET", 1}};
  for (const auto& [name, folder] : specials) {
    const auto split = SplitShellObjectText(name);
    EXPECT_EQ(split.SpecialFolder, folder);
    EXPECT_TRUE(split.Folder.empty());
  }
}

TEST(QuickBarIcons, IconsComeFromTheSystemFolderOfTheSystemFamily) {
  const auto nt = QuickBarIconSources(L"C:\\WINDOWS", {2, 5, 1}, L"C:\\IE\\iexplore.exe");
  EXPECT_EQ(nt[0].File, L"C:\\WINDOWS\\System32\\mydocs.dll");
  EXPECT_EQ(nt[1].File, L"C:\\WINDOWS\\explorer.exe");
  EXPECT_EQ(nt[2].File, L"C:\\WINDOWS\\System32\\shell32.dll");
  EXPECT_EQ(nt[2].Index, 17);
  EXPECT_EQ(nt[3].File, L"C:\\IE\\iexplore.exe");
  EXPECT_EQ(nt[4].Index, 21) << "version 5.1";

  const auto old = QuickBarIconSources(L"C:\\WINDOWS", {1, 4, 10}, L"");
  EXPECT_EQ(old[0].File, L"C:\\WINDOWS\\System\\mydocs.dll");
  EXPECT_EQ(old[4].File, L"C:\\WINDOWS\\System\\shell32.dll");
  EXPECT_EQ(old[4].Index, 35);
  EXPECT_EQ(QuickBarIconSources(L"C:\\WINDOWS", {2, 6, 1}, L"")[4].Index, 35);
}

TEST(QuickBarIcons, InternetCommandGivesItsProgramWithoutQuotesOrParameters) {
  EXPECT_EQ(ProgramOfCommand(L"\"C:\\Program Files\\IE\\iexplore.exe\""),
            L"C:\\Program Files\\IE\\iexplore.exe");
  EXPECT_EQ(ProgramOfCommand(L"\"C:\\Program Files\\IE\\iexplore.exe\" -nohome"),
            L"C:\\Program Files\\IE\\iexplore.exe");
  EXPECT_EQ(ProgramOfCommand(L"C:\\IE\\iexplore.exe"), L"C:\\IE\\iexplore.exe");
  EXPECT_EQ(ProgramOfCommand(L""), L"");
}
