// The sheet tabs: their drawing, the change of sheet and the move-to submenu.

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "base/errors/Errors.h"
#include "app/form/ControlIds.h"
#include "app/form/GdiCanvas_win.h"
#include "app/form/ZELK_win.h"

void TZELKForm::AddSheetTabs() {
  const HWND tabs = Control(kATab);
  TabCtrl_DeleteAllItems(tabs);
  for (std::size_t i = 0; i < settings_.SheetNames.size(); ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(settings_.SheetNames[i].c_str());
    TabCtrl_InsertItem(tabs, static_cast<int>(i), &item);
  }
  TabCtrl_SetCurSel(tabs, 0);
}

std::wstring TZELKForm::SheetName(int index) const {
  wchar_t text[512] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = static_cast<int>(std::size(text));
  if (!TabCtrl_GetItem(Control(kATab), index, &item)) return {};
  return text;
}

std::vector<std::wstring> TZELKForm::SheetNames() const {
  std::vector<std::wstring> names;
  const int count = TabCtrl_GetItemCount(Control(kATab));
  for (int i = 0; i < count; ++i) names.push_back(SheetName(i));
  return names;
}

std::wstring TZELKForm::CurrentSheetName() const {
  return SheetName(TabCtrl_GetCurSel(Control(kATab)));
}

void TZELKForm::ATabChange() { LoadSheet(); }

void TZELKForm::LoadSheet() {
  // A sheet that cannot be read is reported and shown empty; the window goes on.
  try {
    sheet_.Load(CurrentSheetName(), ArrangeOptions());
  } catch (const EZelkError& error) {
    services_.MessageBoxes.ShowError(error.Message());
  }
  RepaintItemArea();
}

void TZELKForm::ATabDrawTab(const DRAWITEMSTRUCT& item) {
  const RECT& rect = item.rcItem;
  const HBRUSH brush = CreateSolidBrush(ToColorRef(settings_.TabBC));
  FillRect(item.hDC, &rect, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
  if (brush) DeleteObject(brush);
  // Each tab reads only its own text: tabs are drawn on every repaint.
  const std::wstring name = SheetName(static_cast<int>(item.itemID));
  if (name.empty()) return;
  SIZE size{};
  GetTextExtentPoint32W(item.hDC, name.c_str(), static_cast<int>(name.size()), &size);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, ToColorRef(settings_.TabC));
  const int left = rect.left + (rect.right - rect.left - size.cx) / 2;
  TextOutW(item.hDC, left, rect.top + 3, name.c_str(), static_cast<int>(name.size()));
}

void TZELKForm::SetTabFont() {
  const HFONT font = CreatePointFont(L"ＭＳ Ｐゴシック", settings_.FontSize);
  SendMessageW(Control(kATab), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (tabFont_) DeleteObject(tabFont_);
  tabFont_ = font;
}

void TZELKForm::BuildMoveToMenu() {
  for (int i = 0; i < moveToCount_; ++i) DeleteMenu(moveTo_, 0, MF_BYPOSITION);
  const auto names = SheetNames();
  moveToCount_ = 0;
  for (const auto& name : names) {
    InsertMenuW(moveTo_, static_cast<UINT>(moveToCount_), MF_BYPOSITION | MF_STRING,
                static_cast<UINT_PTR>(kMoveToFirst + moveToCount_), name.c_str());
    ++moveToCount_;
  }
}
