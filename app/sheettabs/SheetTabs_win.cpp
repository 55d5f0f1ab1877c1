#include "app/sheettabs/SheetTabs_win.h"

#include <commctrl.h>

#include "app/form/ControlIds.h"
#include "app/form/Metrics.h"
#include "app/form/Panel_win.h"
#include "app/paint/GdiCanvas_win.h"
#include "base/text/TextFit.h"

HWND TSheetTabs::Create(HWND body, HMENU moveTo, TFormControls& controls) {
  const HWND tabs = CreateChildControl(
      WC_TABCONTROLW, L"", WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_MULTILINE | TCS_OWNERDRAWFIXED,
      body, kATab);
  controls.Add(kATab, tabs);
  subclass_.Attach(tabs);
  moveTo_ = moveTo;
  seetpop_.Reset(CreatePopupMenu());
  AppendMenuW(seetpop_.Get(), MF_STRING, kStCreate, L"ｼｰﾄの作成");
  AppendMenuW(seetpop_.Get(), MF_STRING, kStRename, L"ｼｰﾄ名変更");
  AppendMenuW(seetpop_.Get(), MF_STRING, kStDelete, L"ｼｰﾄの削除");
  AppendMenuW(seetpop_.Get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(seetpop_.Get(), MF_STRING, kK4, L"並びの変更");
  return tabs;
}

void TSheetTabs::SetSheets(std::vector<std::wstring> names, int current) {
  names_ = std::move(names);
  const HWND tabs = Handle();
  TabCtrl_DeleteAllItems(tabs);
  tabTexts_.clear();
  for (std::size_t i = 0; i < names_.size(); ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(L"");
    TabCtrl_InsertItem(tabs, static_cast<int>(i), &item);
  }
  ShowTabTexts();
  TabCtrl_SetCurSel(tabs, current);
  BuildMoveToMenu();
}

// The control sizes each tab by its text: a shortened text keeps it within the cap.
void TSheetTabs::ShowTabTexts() {
  const HWND tabs = Handle();
  const TWindowDC dc(tabs);
  const TSelectObject font(dc.Get(),
                           reinterpret_cast<HGDIOBJ>(SendMessageW(tabs, WM_GETFONT, 0, 0)));
  const auto measure = [&](std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text.data(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  };
  tabTexts_.resize(names_.size());
  for (std::size_t i = 0; i < names_.size(); ++i) {
    tabTexts_[i] = FitWithEllipsis(names_[i], scale_.Pixels(kTabTextMaxWidth), measure);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = tabTexts_[i].data();
    TabCtrl_SetItem(tabs, static_cast<int>(i), &item);
  }
}

int TSheetTabs::Current() const { return TabCtrl_GetCurSel(Handle()); }

void TSheetTabs::Select(int index) const { TabCtrl_SetCurSel(Handle(), index); }

std::wstring TSheetTabs::SheetName(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= names_.size()) return {};
  return names_[static_cast<std::size_t>(index)];
}

void TSheetTabs::ATabDrawTab(const DRAWITEMSTRUCT& item) const {
  const RECT& rect = item.rcItem;
  const TBrush brush(CreateSolidBrush(ToColorRef(settings_.TabBC)));
  FillRect(item.hDC, &rect, brush ? brush.Get() : GetSysColorBrush(COLOR_BTNFACE));
  // Each tab reads only its own name: tabs are drawn on every repaint.
  if (item.itemID >= tabTexts_.size()) return;
  const std::wstring& name = tabTexts_[item.itemID];
  if (name.empty()) return;
  SIZE size{};
  GetTextExtentPoint32W(item.hDC, name.c_str(), static_cast<int>(name.size()), &size);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, ToColorRef(settings_.TabC));
  const int left = rect.left + (rect.right - rect.left - size.cx) / 2;
  // Centred both ways: an unselected tab's rectangle is lower than the
  // selected one's, and a fixed offset from its top let the text touch its bottom.
  const int top = rect.top + (rect.bottom - rect.top - size.cy) / 2;
  TextOutW(item.hDC, left, top, name.c_str(), static_cast<int>(name.size()));
}

void TSheetTabs::SetOneRow(bool oneRow) {
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  const LONG_PTR wanted = oneRow ? style & ~TCS_MULTILINE : style | TCS_MULTILINE;
  if (wanted != style) SetWindowLongPtrW(Handle(), GWL_STYLE, wanted);
}

bool TSheetTabs::OneRow() const {
  return (GetWindowLongPtrW(Handle(), GWL_STYLE) & TCS_MULTILINE) == 0;
}

void TSheetTabs::SetTabFont(int FontSize, TScale scale) {
  scale_ = scale;
  TFont font(CreatePointFont(L"ＭＳ Ｐゴシック", FontSize, scale.Dpi()));
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
  tabFont_ = std::move(font);
  ShowTabTexts();
}

void TSheetTabs::BuildMoveToMenu() {
  for (int i = 0; i < moveToCount_; ++i) DeleteMenu(moveTo_, 0, MF_BYPOSITION);
  moveToCount_ = 0;
  for (const auto& name : names_) {
    InsertMenuW(moveTo_, static_cast<UINT>(moveToCount_), MF_BYPOSITION | MF_STRING,
                static_cast<UINT_PTR>(kMoveToFirst + moveToCount_), name.c_str());
    ++moveToCount_;
  }
}

void TSheetTabs::ATabMouseDown() const {
  // Acts on the selected sheet; the right press selects no tab.
  POINT screen;
  GetCursorPos(&screen);
  TrackPopupMenu(seetpop_.Get(), TPM_LEFTBUTTON | TPM_LEFTALIGN, screen.x, screen.y, 0,
                 GetAncestor(Handle(), GA_ROOT), nullptr);
}

LRESULT TSheetTabs::TATabSubclass::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_RBUTTONDOWN) {
    tabs_.ATabMouseDown();
    return 0;
  }
  LRESULT forwarded = 0;
  if (message != WM_NOTIFY && ForwardToMainWindow(Handle(), message, wParam, lParam, forwarded)) {
    return forwarded;
  }
  return DefaultHandling(message, wParam, lParam);
}
