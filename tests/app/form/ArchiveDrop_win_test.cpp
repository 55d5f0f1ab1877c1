// Files dropped on the extract and compress targets of the real window reach
// the stand-in archiver libraries as command lines.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <thread>

#include "app/dialogs/Freeze/FreezeIds.h"
#include "app/form/ControlIds.h"
#include "base/win32/Handles_win.h"
#include "tests/app/dialogs/DialogDriver_win.h"
#include "tests/app/form/FormFixture_win.h"
#include "tests/archive/StandIns_win.h"
#include "tests/archive/standin/StandInHold.h"
#include "tests/support/DropHandle_win.h"

namespace {

// A form whose extraction and compression folders are set, with stand-ins.
struct DropForm {
  DropForm(const std::vector<std::wstring>& standIns, const std::wstring& meltDir,
           const std::wstring& freezeDir)
      : libraries(standIns) {
    fixture.WriteSettings("[\x90\xDD\x92\xE8]\r\nMeltDir=" + Ansi(meltDir) +
                          "\r\nFreezeDir=" + Ansi(freezeDir) + "\r\nMeltDLG=0\r\nFreezeDLG=0\r\n");
    fixture.Create();
  }

  void Drop(int target, const std::vector<std::wstring>& paths) {
    const MSG message{fixture.form->Control(target),
                      WM_DROPFILES,
                      reinterpret_cast<WPARAM>(MakeDropHandle(paths)),
                      0,
                      0,
                      {}};
    EXPECT_TRUE(fixture.form->ApplicationMessage(message));
  }

  TStandInLibraries libraries;
  FormFixture fixture;
};

struct ExtractCase {
  const char* what;
  std::wstring meltDir;
  std::vector<std::wstring> dropped;  // names in the stand-ins' folder
  bool lhaRecognisesExe;
  std::wstring command;  // with %IN% for the stand-ins' folder; empty: none
  std::wstring error;
};

std::wstring Expand(std::wstring text, const std::wstring& folder) {
  if (const auto at = text.find(L"%IN%"); at != std::wstring::npos) text.replace(at, 4, folder);
  return text;
}

}  // namespace

TEST(ArchiveDrop, ArchivesDroppedOnTheExtractTargetGoToAFolderOfTheirOwn) {
  const ExtractCase cases[] = {
      {"only the last extension is cut off",
       L"C:\\Melt",
       {L"backup.2004.lzh"},
       false,
       L"x -+ -x1 -jso1 \"%IN%\\backup.2004.lzh\" \"C:\\Melt\\backup.2004\\\"",
       L""},
      {"only the first of three",
       L"C:\\Melt",
       {L"a.lzh", L"b.lzh", L"c.lzh"},
       false,
       L"x -+ -x1 -jso1 \"%IN%\\a.lzh\" \"C:\\Melt\\a\\\"",
       L""},
      {"a folder ending in \\ is used as held",
       L"C:\\Melt\\",
       {L"表.lzh"},
       false,
       L"x -+ -x1 -jso1 \"%IN%\\表.lzh\" \"C:\\Melt\\\\表\\\"",
       L""},
      {"a self-extractor by its content",
       L"C:\\Melt",
       {L"setup.exe"},
       true,
       L"x -+ -x1 -jso1 \"%IN%\\setup.exe\" \"C:\\Melt\\setup\\\"",
       L""},
      {"a self-extractor nobody recognises",
       L"C:\\Melt",
       {L"setup.exe"},
       false,
       L"",
       L"書庫の形式を判別できません。"},
      {"a file without extension",
       L"C:\\Melt",
       {L"README"},
       false,
       L"",
       L"書庫の形式を判別できません。"},
  };
  for (const ExtractCase& c : cases) {
    SCOPED_TRACE(c.what);
    DropForm drop({L"all\\UNLHA32.DLL"}, c.meltDir, L"C:\\Freeze");
    const std::wstring in = drop.libraries.Folder();
    std::vector<std::wstring> paths;
    for (const std::wstring& name : c.dropped) {
      paths.push_back(in + L"\\" + name);
      WriteBytes(paths.back(), Bytes("MZ"));
    }
    if (c.lhaRecognisesExe) {
      drop.libraries.Answer(L"UNLHA32", L"Check", 1);
      drop.libraries.Answer(L"UNLHA32", L"Open", 1);
    }
    drop.Drop(kArcPnl, paths);
    std::vector<std::string> expected;
    if (!c.command.empty()) expected.push_back(Ansi(Expand(c.command, in)));
    EXPECT_EQ(drop.libraries.Commands(), expected);
    EXPECT_EQ(drop.fixture.messageBoxes.errors,
              c.error.empty() ? std::vector<std::wstring>{} : std::vector<std::wstring>{c.error});
  }
}

TEST(ArchiveDrop, TheWindowAnswersWhileALibraryWorksAndRefusesASecondDrop) {
  DropForm drop({L"all\\UNLHA32.DLL"}, L"C:\\Melt", L"C:\\Freeze");
  const std::wstring first = drop.libraries.Folder() + L"\\first.lzh";
  const std::wstring second = drop.libraries.Folder() + L"\\second.lzh";
  WriteBytes(first, Bytes("-lh5-"));
  WriteBytes(second, Bytes("-lh5-"));
  drop.libraries.Answer(L"UNLHA32", L"Hold", 1);
  const TKernelHandle held(CreateEventA(nullptr, TRUE, FALSE, StandInEventName("held").c_str()));
  const TKernelHandle released(
      CreateEventA(nullptr, TRUE, FALSE, StandInEventName("released").c_str()));
  const HWND window = drop.fixture.form->Handle();
  const HWND arcPnl = drop.fixture.form->Control(kArcPnl);
  bool answered = false;
  // A user who, while the library holds the first archive, looks at the
  // window and drops another archive on the same target.
  std::thread user([&] {
    WaitForSingleObject(held.Get(), INFINITE);
    DWORD_PTR result = 0;
    // The time out only keeps a frozen window from hanging the test.
    answered = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
    PostMessageW(arcPnl, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropHandle({second})), 0);
    SetEvent(released.Get());
  });
  drop.Drop(kArcPnl, {first});
  SetEvent(held.Get());  // lets the user go should the library never have been called
  user.join();
  EXPECT_TRUE(answered);
  EXPECT_EQ(drop.libraries.Commands(), std::vector<std::string>{Ansi(L"x -+ -x1 -jso1 \"" + first +
                                                                     L"\" \"C:\\Melt\\first\\\"")});
  wchar_t status[128] = {};
  // A simple status bar answers for its one text under index 0.
  SendMessageW(drop.fixture.form->Control(kStatusBar1), SB_GETTEXTW, 0,
               reinterpret_cast<LPARAM>(status));
  EXPECT_STREQ(status, L"書庫の処理中です。終わってから、もう一度ドロップしてください。");
  EXPECT_TRUE(drop.fixture.messageBoxes.errors.empty());
}

// Docs (a folder) and a.txt from one folder, packed with the dialog's choices.
struct PackDrop : ::testing::Test {
  PackDrop() {
    CreateDirectoryW(work.File(L"Docs").c_str(), nullptr);
    WriteBytes(work.File(L"Docs\\b.txt"), Bytes("b"));
    WriteBytes(work.File(L"a.txt"), Bytes("a"));
  }

  std::vector<std::wstring> Dropped() const { return {work.File(L"Docs"), work.File(L"a.txt")}; }

  TTempFolder work;
  TTempFolder freeze;
};

TEST_F(PackDrop, DialogDefaultsPackNamesIntoTempLzhAndTheRootFlagPacksFullPaths) {
  for (const bool fromRoot : {false, true}) {
    SCOPED_TRACE(fromRoot ? "from the root" : "names only");
    DropForm drop({L"all\\UNLHA32.DLL"}, L"C:\\Melt", freeze.Path());
    std::wstring name, type;
    bool rootShown = true;
    TDialogDriver driver(L"圧縮ファイル設定", [&](HWND dialog) {
      name = ControlText(dialog, IDC_FDLG_EDIT1);
      type = IsDlgButtonChecked(dialog, IDC_FDLG_LZH) == BST_CHECKED ? L"LZH" : L"?";
      rootShown = IsDlgButtonChecked(dialog, IDC_FDLG_CHECKBOX1) == BST_CHECKED;
      if (fromRoot) CheckDlgButton(dialog, IDC_FDLG_CHECKBOX1, BST_CHECKED);
      PressButton(dialog, IDOK);
    });
    drop.Drop(kFreezePnl, Dropped());
    ASSERT_TRUE(driver.Ran());
    EXPECT_EQ(name, L"TEMP");
    EXPECT_EQ(type, L"LZH");
    EXPECT_FALSE(rootShown);
    const std::wstring base = work.Path() + L"\\";
    const std::wstring prefix = fromRoot ? base : L"";
    EXPECT_EQ(drop.libraries.Commands(),
              std::vector<std::string>{Ansi(L"u -+ -p1 -x1 -jso1 \"" + freeze.File(L"TEMP.LZH") +
                                            L"\" \"" + base + L"\" \"" + prefix + L"a.txt\" \"" +
                                            prefix + L"Docs\\b.txt\"")});
    EXPECT_TRUE(drop.fixture.messageBoxes.errors.empty());
  }
}

TEST_F(PackDrop, ZipWithoutAZipLibraryIsReportedAndZelkGoesOn) {
  DropForm drop({L"all\\UNLHA32.DLL"}, L"C:\\Melt", freeze.Path());
  TDialogDriver driver(L"圧縮ファイル設定", [](HWND dialog) {
    CheckRadioButton(dialog, IDC_FDLG_LZH, IDC_FDLG_CAB, IDC_FDLG_ZIP);
    PressButton(dialog, IDOK);
  });
  drop.Drop(kFreezePnl, Dropped());
  ASSERT_TRUE(driver.Ran());
  EXPECT_EQ(drop.fixture.messageBoxes.errors,
            std::vector<std::wstring>{
                L"ZIP 形式書庫の作成には ZIP32J.DLL または LMZIP32.DLL が必要です。"});
  EXPECT_TRUE(IsWindow(drop.fixture.form->Handle()));
}

TEST_F(PackDrop, ABadOrTakenNameIsRefusedInTheDialogAndNothingIsOverwritten) {
  WriteBytes(freeze.File(L"TEMP.LZH"), Bytes("old"));
  DropForm drop({L"all\\UNLHA32.DLL"}, L"C:\\Melt", freeze.Path());
  std::size_t refusals = 0;
  TDialogDriver driver(L"圧縮ファイル設定", [&](HWND dialog) {
    for (const wchar_t* name : {L"", L"a:b", L"TEMP", L"NEW"}) {
      SetDlgItemTextW(dialog, IDC_FDLG_EDIT1, name);
      PressButton(dialog, IDOK);
    }
    refusals = drop.fixture.messageBoxes.errors.size();
  });
  drop.Drop(kFreezePnl, Dropped());
  ASSERT_TRUE(driver.Ran());
  EXPECT_EQ(refusals, 3u);
  ASSERT_EQ(drop.libraries.Commands().size(), 1u);
  EXPECT_NE(drop.libraries.Commands()[0].find(Ansi(freeze.File(L"NEW.LZH"))), std::string::npos);
  EXPECT_EQ(ReadBytes(freeze.File(L"TEMP.LZH")), Bytes("old"));
}
