#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "app/form/ControlIds.h"
#include "tests/app/itemarea/ItemAreaFixture_win.h"

namespace {

using Names = std::vector<std::wstring>;

}  // namespace

TEST(ItemAreaMouse, SingleClickStartsTheItemOnceWithItsParametersAndFolder) {
  ItemArea a("SINGLE_EXE=1\r\n", {{L"A", 0}, {L"B", 1}});
  a.Click(a.Cell(1, 0));
  ASSERT_EQ(a.f.shell.starts.size(), 1u);
  EXPECT_EQ(a.f.shell.starts[0].file, SystemFile(L"notepad.exe"));
  EXPECT_EQ(a.f.shell.starts[0].parameters, L"/p B");
  EXPECT_EQ(a.f.shell.starts[0].show, 5);
  wchar_t folder[MAX_PATH];
  GetSystemDirectoryW(folder, MAX_PATH);
  EXPECT_EQ(a.f.shell.starts[0].folder, std::wstring(folder) + L"\\");
  // The count has risen in the sheet file too.
  TSheetBuffer saved;
  ReadSheetFileBytes(ReadBytes(a.f.ProgramFile(L"Data\\一般")), L"一般", saved);
  EXPECT_EQ(saved.Items[saved.ItemAtSlot(1)].Count, 1);

  a.Click(a.Cell(2, 2));  // an empty cell starts nothing
  EXPECT_EQ(a.f.shell.starts.size(), 1u);
}

TEST(ItemAreaMouse, WithDoubleClicksASingleClickOnlySinksAndADoubleClickStartsOnce) {
  ItemArea a("SINGLE_EXE=0\r\n", {{L"A", 0}});
  a.Click(a.Cell(0, 0));
  EXPECT_TRUE(a.f.shell.starts.empty());
  a.Send(WM_LBUTTONDOWN, a.Cell(0, 0));
  a.Send(WM_LBUTTONUP, a.Cell(0, 0));
  a.Send(WM_LBUTTONDBLCLK, a.Cell(0, 0));
  a.Send(WM_LBUTTONUP, a.Cell(0, 0));
  EXPECT_EQ(a.f.shell.starts.size(), 1u);
}

TEST(ItemAreaMouse, APressThenAMoveToAnotherCellDragsInsteadOfStarting) {
  ItemArea a("SINGLE_EXE=1\r\nAUTOSORT=0\r\n", {{L"A", 0}, {L"B", 1}});
  a.Send(WM_LBUTTONDOWN, a.Cell(0, 0));
  a.Send(WM_MOUSEMOVE, a.Cell(1, 0));
  a.Send(WM_LBUTTONUP, a.Cell(1, 0));
  EXPECT_TRUE(a.f.shell.starts.empty());
  EXPECT_EQ(a.Displays(), (Names{L"B", L"A", L"-", L"-", L"-", L"-", L"-", L"-", L"-"}));
}

TEST(ItemAreaMouse, DropOnAnEmptyCellWithPackingAsksAndYesLeavesTheHole) {
  ItemArea a("AUTOSORT=1\r\n", {{L"A", 0}, {L"B", 1}});
  a.f.messageBoxes.answer = true;
  a.Send(WM_LBUTTONDOWN, a.Cell(0, 0));
  a.Send(WM_MOUSEMOVE, a.Cell(2, 1));
  a.Send(WM_LBUTTONUP, a.Cell(2, 1));
  EXPECT_EQ(a.f.messageBoxes.questions, Names{L"アイコン自動並び替えを解除しますか？"});
  EXPECT_FALSE(a.form->Settings().AUTOSORT);
  EXPECT_EQ(a.Displays(), (Names{L"-", L"B", L"-", L"-", L"-", L"A", L"-", L"-", L"-"}));
}

TEST(ItemAreaMouse, DropOnAnEmptyCellWithPackingAndNoPacksTheItemBack) {
  ItemArea a("AUTOSORT=1\r\n", {{L"A", 0}, {L"B", 1}});
  a.f.messageBoxes.answer = false;
  a.Send(WM_LBUTTONDOWN, a.Cell(0, 0));
  a.Send(WM_MOUSEMOVE, a.Cell(2, 1));
  a.Send(WM_LBUTTONUP, a.Cell(2, 1));
  EXPECT_TRUE(a.form->Settings().AUTOSORT);
  EXPECT_EQ(a.Displays(), (Names{L"B", L"A", L"-", L"-", L"-", L"-", L"-", L"-", L"-"}));
}

TEST(ItemAreaMouse, DroppingOnItsOwnCellSavesNothing) {
  ItemArea a("SINGLE_EXE=0\r\n", {{L"A", 0}});
  const auto before = ReadBytes(a.f.ProgramFile(L"Data\\一般"));
  a.Send(WM_LBUTTONDOWN, a.Cell(0, 0));
  a.Send(WM_MOUSEMOVE, a.Cell(1, 0));
  a.Send(WM_MOUSEMOVE, a.Cell(0, 0));
  a.Send(WM_LBUTTONUP, a.Cell(0, 0));
  EXPECT_EQ(ReadBytes(a.f.ProgramFile(L"Data\\一般")), before);
}

TEST(ItemAreaMouse, APressOnAnEmptyCellGreysTheItemEntriesAndMoveGreysTheCurrentSheet) {
  ItemArea a("", {{L"A", 0}});
  const HMENU pop = a.form->PopMenu();
  const auto grey = [&](int id) { return (GetMenuState(pop, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
  a.Send(WM_MBUTTONDOWN, a.Cell(2, 0));
  for (const int id : {kK9, kN7, kN5, kDelete1}) EXPECT_TRUE(grey(id)) << id;
  EXPECT_TRUE(GetMenuState(pop, 5, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_FALSE(grey(kRegisterFiles));  // registers into the empty cell
  a.Send(WM_MBUTTONDOWN, a.Cell(0, 0));
  for (const int id : {kK9, kN7, kN5, kDelete1}) EXPECT_FALSE(grey(id)) << id;
  EXPECT_TRUE(grey(kMoveToFirst));  // 一般, the current sheet
  EXPECT_FALSE(grey(kMoveToFirst + 1));
}

TEST(ItemAreaMouse, TheHintShowsTheDisplayNameUnderTheCursor) {
  ItemArea a("", {{L"メモ", 0}});
  a.Send(WM_MOUSEMOVE, a.Cell(0, 0));
  EXPECT_NE(a.form->PAria().ItemHint().Handle(), nullptr);
  EXPECT_EQ(a.form->PAria().ItemHint().Text(), L"メモ");
  a.Send(WM_MOUSEMOVE, a.Cell(2, 2));
  EXPECT_EQ(a.form->PAria().ItemHint().Handle(), nullptr);
  a.Send(WM_MOUSEMOVE, a.Cell(0, 0));
  ASSERT_NE(a.form->PAria().ItemHint().Handle(), nullptr);
  ShowWindow(a.form->Handle(), SW_HIDE);  // the hint goes with the window
  EXPECT_EQ(a.form->PAria().ItemHint().Handle(), nullptr);
}

TEST(ItemAreaMouse, StartingWithExeHideHidesTheWindowBeforeTheTargetStarts) {
  ItemArea a("EXE_HIDE=1\r\n", {{L"A", 0}});
  a.Click(a.Cell(0, 0));
  EXPECT_FALSE(IsWindowVisible(a.form->Handle()));
  EXPECT_FALSE(a.form->Shown());
  EXPECT_EQ(a.f.shell.starts.size(), 1u);
}

TEST(ItemAreaMouse, AReleaseOutsideTheAreaRaisesTheCellAndTheNextClickStartsTheItem) {
  ItemArea a("SINGLE_EXE=1\r\nAUTOSORT=0\r\n", {{L"A", 0}, {L"B", 1}});
  a.Send(WM_LBUTTONDOWN, a.Cell(0, 0));
  EXPECT_EQ(GetCapture(), a.area);  // so the release is seen wherever it happens
  a.Send(WM_LBUTTONUP, MAKELPARAM(-20, -20));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(a.f.shell.starts.empty());
  // No press is left pending: coming back over another cell starts no drag.
  a.Send(WM_MOUSEMOVE, a.Cell(1, 0));
  a.Click(a.Cell(1, 0));
  ASSERT_EQ(a.f.shell.starts.size(), 1u);
  EXPECT_EQ(a.f.shell.starts[0].parameters, L"/p B");
  EXPECT_EQ(a.Displays(), (Names{L"A", L"B", L"-", L"-", L"-", L"-", L"-", L"-", L"-"}));
}

TEST(ItemAreaMouse, EscapeCancelsADragWhoseCursorShowedIt) {
  ItemArea a("SINGLE_EXE=1\r\nAUTOSORT=0\r\n", {{L"A", 0}, {L"B", 1}});
  a.Send(WM_LBUTTONDOWN, a.Cell(0, 0));
  a.Send(WM_MOUSEMOVE, a.Cell(1, 0));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_SIZEALL));
  SendMessageW(a.area, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
  a.Send(WM_LBUTTONUP, a.Cell(1, 0));
  EXPECT_TRUE(a.f.shell.starts.empty());
  EXPECT_EQ(a.Displays(), (Names{L"A", L"B", L"-", L"-", L"-", L"-", L"-", L"-", L"-"}));
}
