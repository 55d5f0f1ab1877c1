#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "app/form/ControlIds.h"
#include "app/sheets/SheetFiles.h"
#include "base/text/AnsiCodec_win.h"
#include "base/text/AnsiField.h"
#include "base/win32/Handles_win.h"
#include "tests/app/form/FormFixture_win.h"
#include "tests/app/itemarea/ItemAreaFixture_win.h"
#include "tests/support/DropHandle_win.h"

namespace {

void Drop(TZELKForm& form, const std::vector<std::wstring>& paths) {
  MSG message{form.Control(kATab), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropHandle(paths)), 0, 0, {}};
  ASSERT_TRUE(form.ApplicationMessage(message));
}

void MakeShortcut(const std::wstring& shortcut, const std::wstring& target) {
  TComPtr<IShellLinkW> link;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IShellLinkW, link.PutVoid())));
  link->SetPath(target.c_str());
  TComPtr<IPersistFile> file;
  ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.PutVoid())));
  ASSERT_TRUE(SUCCEEDED(file->Save(shortcut.c_str(), TRUE)));
}

std::wstring Field(const char* field) { return DecodeField(field, 256, TAnsiCodec()); }

}  // namespace

TEST(Registration, FilesFoldersAndShortcutsDroppedOnTheTabsBecomeItems) {
  CoInitialize(nullptr);
  FormFixture f;
  TZELKForm& form = f.Create();
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  const std::wstring notepad = std::wstring(system) + L"\\notepad.exe";
  const std::wstring folder = f.ProgramFile(L"Ver1.5");
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring archive = f.ProgramFile(L"archive.tar.gz");
  WriteBytes(archive, {1, 2, 3});
  MakeShortcut(f.ProgramFile(L"Notepad.lnk"), notepad);

  EXPECT_EQ(form.PAria().EmptyAreaText(), L"ここにファイルやフォルダをドロップすると登録されます");
  Drop(form, {notepad, folder, archive, f.ProgramFile(L"Notepad.lnk")});
  EXPECT_EQ(form.PAria().EmptyAreaText(), L"");  // the hint goes with the first item
  const TSheetBuffer& sheet = form.Sheet().Buffer();
  ASSERT_EQ(sheet.Count, 4);
  EXPECT_EQ(Field(sheet.Items[0].Target), notepad);
  EXPECT_EQ(Field(sheet.Items[0].Display), L"notepad");
  EXPECT_EQ(Field(sheet.Items[1].Display), L"Ver1");
  EXPECT_EQ(Field(sheet.Items[2].Display), L"archive.tar");
  EXPECT_EQ(Field(sheet.Items[3].Display), L"Notepad");
  EXPECT_EQ(Field(sheet.Items[3].Target).size(), notepad.size());  // the shortcut's target
  EXPECT_EQ(Field(sheet.Items[3].Group), L"一般");
  // Saved once, with all four.
  TSheetBuffer saved;
  ReadSheetFileBytes(ReadBytes(f.ProgramFile(L"Data\\一般")), L"一般", saved);
  EXPECT_EQ(saved.Count, 4);
  EXPECT_TRUE(f.messageBoxes.informations.empty());
  CoUninitialize();
}

TEST(Registration, TenFilesOntoA395ItemSheetRegisterFiveAndTellOnce) {
  FormFixture f;
  CreateDirectoryW(f.ProgramFile(L"Data").c_str(), nullptr);
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  const std::wstring notepad = std::wstring(system) + L"\\notepad.exe";
  TSheetBuffer sheet;
  for (int i = 0; i < 395; ++i) {
    EncodeField(sheet.Items[static_cast<std::size_t>(i)].Target, notepad, TAnsiCodec());
    sheet.Items[static_cast<std::size_t>(i)].Slot = i;
  }
  sheet.Count = 395;
  const auto bytes = SheetFileBytes(sheet);
  WriteBytes(f.ProgramFile(L"Data\\一般"), {bytes.begin(), bytes.end()});
  TZELKForm& form = f.Create();
  // What was registered is painted and saved before the box is shown.
  bool paintedBeforeTheBox = false;
  int savedBeforeTheBox = 0;
  f.messageBoxes.whileInforming = [&] {
    paintedBeforeTheBox = !GetUpdateRect(form.Control(kPAria), nullptr, FALSE);
    TSheetBuffer saved;
    ReadSheetFileBytes(ReadBytes(f.ProgramFile(L"Data\\一般")), L"一般", saved);
    savedBeforeTheBox = saved.Count;
  };
  Drop(form, std::vector<std::wstring>(10, notepad));
  EXPECT_EQ(form.Sheet().Buffer().Count, 400);
  EXPECT_EQ(f.messageBoxes.informations,
            std::vector<std::wstring>{L"これ以上登録できません。\n10 個のファイルのうち 5 個を登録しました。"
                                      L"残りの 5 個は登録していません。"});
  EXPECT_TRUE(paintedBeforeTheBox);
  EXPECT_EQ(savedBeforeTheBox, 400);
}

TEST(Registration, FilesChosenFromTheItemMenuAreRegisteredFromTheClickedCellOn) {
  ItemArea a("AUTOSORT=0\r\n", {{L"A", 0}, {L"B", 5}});
  const std::wstring folder = a.f.ProgramFile(L"Ver1.5");
  CreateDirectoryW(folder.c_str(), nullptr);
  a.Send(WM_MBUTTONDOWN, a.Cell(2, 1));  // slot 5, held: the next free cells
  a.f.openFile.answer = {SystemFile(L"notepad.exe"), folder, SystemFile(L"notepad.exe")};
  SendMessageW(a.form->Handle(), WM_COMMAND, MAKEWPARAM(kRegisterFiles, 0), 0);
  EXPECT_EQ(a.f.openFile.titles, std::vector<std::wstring>{L"ファイルの登録"});
  EXPECT_EQ(a.Displays(), (std::vector<std::wstring>{L"A", L"-", L"-", L"-", L"-", L"B", L"notepad",
                                                     L"Ver1", L"notepad"}));
  TSheetBuffer saved;
  ReadSheetFileBytes(ReadBytes(a.f.ProgramFile(L"Data\\一般")), L"一般", saved);
  EXPECT_EQ(saved.Count, 5);

  a.f.openFile.answer.clear();  // cancelled
  SendMessageW(a.form->Handle(), WM_COMMAND, MAKEWPARAM(kRegisterFiles, 0), 0);
  EXPECT_EQ(a.form->Sheet().Buffer().Count, 5);
}

TEST(Registration, AFileWithoutAnIconIsNamedAndNotRegistered) {
  FormFixture f;
  TZELKForm& form = f.Create();
  Drop(form, {f.ProgramFile(L"vanished.exe")});
  EXPECT_EQ(form.Sheet().Buffer().Count, 0);
  ASSERT_EQ(f.messageBoxes.errors.size(), 1u);
  EXPECT_NE(f.messageBoxes.errors[0].find(L"vanished.exe"), std::wstring::npos);
}

TEST(Registration, WithoutADataFolderTheSheetOpensEmptyAndAFailingSaveIsToldOnce) {
  CoInitialize(nullptr);
  FormFixture f;
  // A program folder that is gone: no Data folder can be made in it.
  RemoveDirectoryW(f.folder.Path().c_str());
  TZELKForm& form = f.Create();
  ASSERT_EQ(f.messageBoxes.errors.size(), 1u);
  EXPECT_NE(f.messageBoxes.errors[0].find(f.ProgramFile(L"Data")), std::wstring::npos);
  // The start-up went on: the first sheet is current, empty, and takes drops.
  EXPECT_EQ(form.Sheet().Name(), L"一般");
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  Drop(form, {std::wstring(system) + L"\\notepad.exe"});
  Drop(form, {std::wstring(system) + L"\\cmd.exe"});
  EXPECT_EQ(form.Sheet().Buffer().Count, 2);
  ASSERT_EQ(f.messageBoxes.errors.size(), 2u) << "each save told the same failure";
  EXPECT_NE(f.messageBoxes.errors[1].find(f.ProgramFile(L"Data")), std::wstring::npos);
  CoUninitialize();
}
