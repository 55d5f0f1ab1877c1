#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "tests/app/itemarea/ItemAreaFixture_win.h"

namespace {

// Items in slots 0 … count - 1 of the 3-column grid.
std::vector<std::pair<std::wstring, int>> Items(int count) {
  std::vector<std::pair<std::wstring, int>> items;
  for (int slot = 0; slot < count; ++slot) items.emplace_back(std::to_wstring(slot), slot);
  return items;
}

SCROLLINFO ScrollInfo(HWND bar) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(bar, SB_CTL, &info);
  return info;
}

// The last position the bar can take.
int LastPosition(const SCROLLINFO& info) { return info.nMax - static_cast<int>(info.nPage) + 1; }

void Scroll(const ItemArea& a, int request) {
  SendMessageW(a.form->Handle(), WM_VSCROLL, request,
               reinterpret_cast<LPARAM>(a.form->Control(kPaintBar)));
}

int VisibleRows(const ItemArea& a) {
  RECT client;
  GetClientRect(a.area, &client);
  return client.bottom / a.form->PAria().CellHeight();
}

}  // namespace

TEST(ItemAreaScroll, TheRangeReachesTheLastOfFourHundredItemsAndFollowsTheAreasHeight) {
  ItemArea a("", Items(400));
  const int page = VisibleRows(a);
  const SCROLLINFO info = ScrollInfo(a.form->Control(kPaintBar));
  EXPECT_EQ(static_cast<int>(info.nPage), page);
  // Slot 399 lies in row 133, the bottom row at the last position.
  EXPECT_EQ(LastPosition(info), 133 - page + 1);
  Scroll(a, SB_BOTTOM);
  a.Send(WM_MBUTTONDOWN, a.Cell(0, page - 1));
  EXPECT_EQ(a.form->PAria().PressedSlot(), 399);
  Scroll(a, SB_PAGEUP);
  EXPECT_EQ(a.form->PAria().ScrollPosition(), 133 - 2 * page + 1);

  RECT frame;
  GetWindowRect(a.form->Handle(), &frame);
  SetWindowPos(a.form->Handle(), nullptr, 0, 0, frame.right - frame.left,
               frame.bottom - frame.top + 2 * a.form->PAria().CellHeight(),
               SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(static_cast<int>(ScrollInfo(a.form->Control(kPaintBar)).nPage), page + 2);
}

TEST(ItemAreaScroll, TheWheelScrollsTheAreaUnderTheCursorByTheSystemsRowsPerNotch) {
  ItemArea a("", Items(90));
  UINT rows = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &rows, 0);
  // The wheel goes to the focus window, here the tabs, and on to the main window.
  SetFocus(a.form->Control(kATab));
  ASSERT_EQ(GetFocus(), a.form->Control(kATab));
  const auto wheel = [&](int delta, HWND over) {
    RECT bounds;
    GetWindowRect(over, &bounds);
    SendMessageW(a.form->Control(kATab), WM_MOUSEWHEEL, MAKEWPARAM(0, delta),
                 MAKELPARAM(bounds.left + 5, bounds.top + 5));
  };
  wheel(-WHEEL_DELTA, a.form->Control(kPanel1));
  EXPECT_EQ(a.form->PAria().ScrollPosition(), 0);  // not over the items
  wheel(-WHEEL_DELTA, a.area);
  EXPECT_EQ(a.form->PAria().ScrollPosition(), static_cast<int>(rows));
  wheel(2 * WHEEL_DELTA, a.area);
  EXPECT_EQ(a.form->PAria().ScrollPosition(), 0);
}

TEST(ItemAreaScroll, AnotherSheetShowsFromItsTopRowWithoutTheLastSheetsHint) {
  ItemArea a("", Items(90));
  Scroll(a, SB_PAGEDOWN);
  ASSERT_EQ(a.form->PAria().ScrollPosition(), VisibleRows(a));
  a.Send(WM_MOUSEMOVE, a.Cell(0, 0));
  ASSERT_NE(a.form->PAria().ItemHint().Handle(), nullptr);

  TabCtrl_SetCurSel(a.form->Control(kATab), 1);
  NMHDR change{a.form->Control(kATab), kATab, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(a.form->Handle(), WM_NOTIFY, kATab, reinterpret_cast<LPARAM>(&change));
  EXPECT_EQ(a.form->PAria().ScrollPosition(), 0);
  EXPECT_EQ(a.form->PAria().ItemHint().Handle(), nullptr);
}
