// The mouse on the item area: press, release, double click, drag and drop,
// and the item hint.

#include <windows.h>

#include "app/form/ControlIds.h"
#include "app/form/GdiCanvas_win.h"
#include "app/form/ZELK_win.h"
#include "app/paint/ItemArea.h"
#include "base/text/AnsiField.h"

void TZELKForm::RedrawPressedCell(bool released) {
  const HWND area = Control(kPAria);
  const HDC dc = GetDC(area);
  {
    const TItemAreaLook look = ItemAreaLook(settings_);
    TGdiCanvas canvas(dc, icons_.Handle(), itemFontColor_);
    TItemAreaPainter painter(canvas, look, sheet_.Buffer(), codec_);
    const TPoint cell = mouse_.PressedCell();
    painter.DrawCellFrame(released, cell, cellWidth_, cellHeight_);
    const int slot = SlotOfCell(cell, settings_.Colum, ScrollPosition());
    painter.DrawItemCell(sheet_.Buffer().ItemAtSlot(slot), painter.CellRect(slot, cellWidth_, cellHeight_, ScrollPosition()));
    itemFontColor_ = canvas.FontColor();
  }
  ReleaseDC(area, dc);
}

int TZELKForm::ItemAtPoint(TPoint point) const {
  return sheet_.Buffer().ItemAtSlot(
      SlotOfCell(CellAt(point, cellWidth_, cellHeight_), settings_.Colum, ScrollPosition()));
}

void TZELKForm::AppliGridMouseDown(TMouseButton button, TPoint point) {
  const bool leftButton = button == TMouseButton::Left;
  mouse_.Press(leftButton, CellAt(point, cellWidth_, cellHeight_));
  if (leftButton) RedrawPressedCell(false);
  const bool onItem =
      sheet_.Buffer().ItemAtSlot(SlotOfCell(mouse_.PressedCell(), settings_.Colum, ScrollPosition())) >= 0;
  const UINT state = MF_BYCOMMAND | (onItem ? MF_ENABLED : MF_GRAYED);
  EnableMenuItem(pop_, kK9, state);
  EnableMenuItem(pop_, kDelete1, state);
  EnableMenuItem(pop_, 5, MF_BYPOSITION | (onItem ? MF_ENABLED : MF_GRAYED));  // GoTo1
  if (button != TMouseButton::Right) return;
  POINT screen;
  GetCursorPos(&screen);
  TrackPopupMenu(pop_, TPM_LEFTBUTTON | TPM_LEFTALIGN, screen.x, screen.y, 0, handle_, nullptr);
}

void TZELKForm::PAriaMouseUp() {
  const auto release = mouse_.Release(dragging_, settings_.SINGLE_EXE == 1);
  if (release == TItemAreaMouse::TRelease::Nothing) return;
  RedrawPressedCell(true);
  if (release == TItemAreaMouse::TRelease::RaiseAndRun) RunItem();
}

void TZELKForm::PAriaDblClick() {
  if (mouse_.DoubleClick(settings_.SINGLE_EXE == 1)) RunItem();
}

void TZELKForm::PAriaMouseMove(TPoint point) {
  const int hovered = ItemAtPoint(point);
  if (hovered < 0) {
    HideItemHint();
  } else {
    ShowItemHint(DecodeField(sheet_.Buffer().Items[static_cast<std::size_t>(hovered)].Display, codec_));
    hintWatch_.hoveredItem = hovered;
  }
  if (mouse_.Move(CellAt(point, cellWidth_, cellHeight_)) != TItemAreaMouse::TMove::BeginDrag) return;
  // The drag begins at once; the item area takes every mouse message until the drop.
  dragging_ = true;
  SetCapture(Control(kPAria));
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  RedrawPressedCell(true);
}

void TZELKForm::EndDrag(bool dropped) {
  dragging_ = false;
  if (dropped && GetCapture() == Control(kPAria)) ReleaseCapture();
}

void TZELKForm::PAriaDragDrop(TPoint point) {
  EndDrag(true);
  // Only a drop on the item area itself moves an item.
  POINT screen{point.X, point.Y};
  ClientToScreen(Control(kPAria), &screen);
  if (WindowFromPoint(screen) != Control(kPAria)) return;
  const int scroll = ScrollPosition();
  const int target = SlotOfCell(CellAt(point, cellWidth_, cellHeight_), settings_.Colum, scroll);
  const int source = SlotOfCell(mouse_.PressedCell(), settings_.Colum, scroll);
  const TDropPlan plan = PlanDrop(sheet_.Buffer(), source, target, settings_.AUTOSORT);
  if (!plan.move) return;
  if (plan.askPacking && services_.MessageBoxes.AskYesNo(L"アイコン自動並び替えを解除しますか？")) {
    settings_.AUTOSORT = false;
  }
  ExchangeSlots(sheet_.Buffer(), source, target);
  sheet_.Save();
  sheet_.Arrange(ArrangeOptions());
  RepaintItemArea();
}

void TZELKForm::ShowItemHint(const std::wstring& text) {
  itemHint_.Show(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(handle_, GWLP_HINSTANCE)), text);
  hintWatch_.ticks = 0;
  SetTimer(handle_, kHintTmId, 500, nullptr);
}

void TZELKForm::HideItemHint() { itemHint_.Hide(); }

void TZELKForm::HintTmTimer() {
  POINT cursor;
  GetCursorPos(&cursor);
  ScreenToClient(Control(kPAria), &cursor);
  RECT area;
  GetClientRect(Control(kPAria), &area);
  const TPoint point{cursor.x, cursor.y};
  if (hintWatch_.Tick(point, area.right, area.bottom, ItemAtPoint(point))) {
    KillTimer(handle_, kHintTmId);
    HideItemHint();
  }
}
