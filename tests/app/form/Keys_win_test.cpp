#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <imm.h>

#include "app/sheets/FileStore_win.h"
#include "tests/app/itemarea/ItemAreaFixture_win.h"

namespace {

void Key(HWND window, WPARAM key) { SendMessageW(window, WM_KEYDOWN, key, 0); }

void Type(HWND window, std::wstring_view text) {
  for (const wchar_t c : text) SendMessageW(window, WM_CHAR, c, 0);
}

// A sheet other than the current one, written as a file only.
void WriteOtherSheet(const FormFixture& f, const std::wstring& name, const std::wstring& display,
                     int slot) {
  TSheetBuffer sheet;
  TLauncherItem& item = sheet.Items[static_cast<std::size_t>(sheet.Count++)];
  EncodeField(item.Target, SystemFile(L"notepad.exe"), TAnsiCodec());
  EncodeField(item.Params, L"/p " + display, TAnsiCodec());
  EncodeField(item.Display, display, TAnsiCodec());
  item.Slot = slot;
  const auto bytes = SheetFileBytes(sheet);
  WriteBytes(f.ProgramFile(L"Data\\" + name), {bytes.begin(), bytes.end()});
}

}  // namespace

TEST(Keys, SystemFoldingTreatsWidthCaseAndKanaAlike) {
  const TAnsiCodec codec;
  EXPECT_EQ(codec.Fold(L"ﾒﾓ"), codec.Fold(L"めも"));
  EXPECT_EQ(codec.Fold(L"メモ"), codec.Fold(L"めも"));
  EXPECT_EQ(codec.Fold(L"ﾍﾟｲﾝﾄ"), codec.Fold(L"ぺいんと"));
  EXPECT_EQ(codec.Fold(L"Word"), codec.Fold(L"ｗｏｒｄ"));
}

TEST(Keys, TypedNameFindsAnItemOfAnotherSheetAndEnterStartsItThereAsAClickDoes) {
  ItemArea a("EXE_HIDE=1\r\n", {{L"Word", 0}, {L"Excel", 1}});
  WriteOtherSheet(a.f, L"OFFICE", L"メモ帳", 4);
  const HWND field = a.form->Control(kFindEdit);

  Type(a.form->Handle(), L"ﾒ");
  ASSERT_TRUE(IsWindowVisible(field));
  Type(field, L"ﾓ");
  EXPECT_TRUE(a.form->PAria().ShowingFound());
  EXPECT_EQ(a.form->PAria().SelectedSlot(), 0);
  EXPECT_TRUE(a.f.shell.starts.empty());  // finding starts and writes nothing

  Key(field, VK_RETURN);
  ASSERT_EQ(a.f.shell.starts.size(), 1u);
  EXPECT_EQ(a.f.shell.starts[0].parameters, L"/p メモ帳");
  EXPECT_EQ(a.form->Sheet().Name(), L"OFFICE");
  EXPECT_EQ(TabCtrl_GetCurSel(a.form->Control(kATab)), 1);
  EXPECT_EQ(a.form->Sheet().Buffer().Items[0].Count, 1);  // counted and saved there
  TSheetBuffer saved;
  TWin32FileStore store;
  EXPECT_TRUE(TSheetFiles(a.f.folder.Path(), store).Peek(L"OFFICE", saved));
  EXPECT_EQ(saved.Items[0].Count, 1);
  EXPECT_FALSE(IsWindowVisible(a.form->Handle()));  // hidden after the start
  EXPECT_FALSE(IsWindowVisible(field));
}

TEST(Keys, AFindSaysWhenNothingMatchesNamesEachItemsSheetAndClosesWhenEmptied) {
  ItemArea a("", {{L"Word", 0}});
  WriteOtherSheet(a.f, L"OFFICE", L"メモ帳", 4);
  EXPECT_EQ(a.form->PAria().EmptyAreaText(), L"");
  const HWND field = a.form->Control(kFindEdit);
  Type(a.form->Handle(), L"xq");
  EXPECT_EQ(a.form->PAria().EmptyAreaText(), L"見つかりません");
  SendMessageW(field, WM_CHAR, L'\b', 0);
  SendMessageW(field, WM_CHAR, L'\b', 0);  // Backspace to empty
  EXPECT_FALSE(IsWindowVisible(field));
  EXPECT_FALSE(a.form->PAria().ShowingFound());

  Type(a.form->Handle(), L"ﾒ");
  a.Send(WM_MOUSEMOVE, a.Cell(0, 0));
  EXPECT_EQ(a.form->PAria().ItemHint().Text(), L"メモ帳\n「OFFICE」シート");
}

// The messages an input method sends the window with the focus, here as a
// user types めも, converts and ends the composition with Enter.
TEST(Keys, AnInputMethodTypesIntoTheFindFieldFromItsFirstKeyAndItsEnterStartsNothing) {
  ItemArea a("", {{L"メモ帳", 0}, {L"Word", 1}});
  const HWND form = a.form->Handle();
  const HWND field = a.form->Control(kFindEdit);
  SetFocus(form);
  SendMessageW(form, WM_IME_STARTCOMPOSITION, 0, 0);
  ASSERT_TRUE(IsWindowVisible(field));
  const HIMC context = ImmGetContext(form);
  COMPOSITIONFORM placed{};
  ImmGetCompositionWindow(context, &placed);
  ImmReleaseContext(form, context);
  POINT fieldCorner{2, 2};
  MapWindowPoints(field, form, &fieldCorner, 1);
  EXPECT_EQ(placed.ptCurrentPos.x, fieldCorner.x);  // the composition window stands at the field
  EXPECT_EQ(placed.ptCurrentPos.y, fieldCorner.y);

  SendMessageW(form, WM_IME_COMPOSITION, L'も', GCS_COMPSTR);
  Key(form, VK_RETURN);  // converting
  for (const wchar_t typed : std::wstring(L"めも")) SendMessageW(form, WM_IME_CHAR, typed, 0);
  EXPECT_EQ(WindowText(field), L"めも");
  EXPECT_FALSE(a.form->PAria().ShowingFound()) << "nothing is filtered while composing";

  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_RETURN] = 0x80;
  SetKeyboardState(keys);
  SendMessageW(form, WM_IME_ENDCOMPOSITION, 0, 0);
  EXPECT_TRUE(a.form->PAria().ShowingFound());
  EXPECT_EQ(GetFocus(), field);  // the next keys go there
  Key(field, VK_RETURN);         // the Enter that ended the composition
  EXPECT_TRUE(a.f.shell.starts.empty());
  keys[VK_RETURN] = 0;
  SetKeyboardState(keys);
  SendMessageW(field, WM_KEYUP, VK_RETURN, 0xC0000001);
  Key(field, VK_RETURN);
  ASSERT_EQ(a.f.shell.starts.size(), 1u);
  EXPECT_EQ(a.f.shell.starts[0].parameters, L"/p メモ帳");
}

TEST(Keys, ArrowsMoveTheSelectionOverTheCellsAndEnterStartsTheSelectedItem) {
  ItemArea a("", {{L"A", 0}, {L"B", 1}, {L"C", 2}, {L"D", 3}, {L"E", 4}});
  const HWND form = a.form->Handle();
  Key(form, VK_RETURN);
  EXPECT_TRUE(a.f.shell.starts.empty());  // nothing selected yet
  for (const WPARAM key : {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RIGHT, VK_RIGHT}) Key(form, key);
  EXPECT_EQ(a.form->PAria().SelectedSlot(), 4);
  Key(form, VK_HOME);
  Key(form, VK_END);
  Key(form, VK_LEFT);
  Key(form, VK_RETURN);
  ASSERT_EQ(a.f.shell.starts.size(), 1u);
  EXPECT_EQ(a.f.shell.starts[0].parameters, L"/p D");
}

TEST(Keys, EscapeClosesTheFindFieldThenHidesTheWindowAndHidingEndsAFind) {
  ItemArea a("", {{L"A", 0}});
  const HWND field = a.form->Control(kFindEdit);
  Type(a.form->Handle(), L"a");
  ASSERT_TRUE(IsWindowVisible(field));

  Key(field, VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(field));
  EXPECT_FALSE(a.form->PAria().ShowingFound());
  EXPECT_TRUE(IsWindowVisible(a.form->Handle()));

  Key(a.form->Handle(), VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(a.form->Handle()));

  ShowWindow(a.form->Handle(), SW_SHOW);
  Type(a.form->Handle(), L"a");
  SendMessageW(a.form->Handle(), WM_CLOSE, 0, 0);  // the close button
  EXPECT_FALSE(IsWindowVisible(field));
  EXPECT_FALSE(a.form->PAria().ShowingFound());
}

TEST(Keys, DeleteActsOnTheSelectedCellAndCtrlTabSwitchesSheets) {
  ItemArea a("", {{L"A", 0}, {L"B", 1}});
  const HWND form = a.form->Handle();
  Key(form, VK_RIGHT);
  Key(form, VK_RIGHT);
  Key(form, VK_DELETE);
  ASSERT_EQ(a.f.messageBoxes.confirmations.size(), 1u);
  EXPECT_EQ(a.form->Sheet().Buffer().Count, 1);
  EXPECT_EQ(a.f.shell.starts.size(), 0u);

  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  Key(form, VK_TAB);
  EXPECT_EQ(a.form->Sheet().Name(), L"OFFICE");
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  Key(form, VK_TAB);
  Key(form, VK_TAB);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(a.form->Sheet().Name(), L"ｹﾞｰﾑ");  // from the first sheet back to the last
}
