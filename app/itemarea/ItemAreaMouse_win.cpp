// The mouse on the item area: press, release, double click, drag and drop,
// and the item hint.

#include "app/form/ControlIds.h"
#include "app/itemarea/ItemAreaWindow_win.h"
#include "app/paint/GdiCanvas_win.h"
#include "base/win32/Handles_win.h"

namespace {

// The captured mouse also reports points outside the area.
bool IsInClientArea(HWND window, TPoint point) {
  RECT area{};
  GetClientRect(window, &area);
  return PtInRect(&area, POINT{point.X, point.Y});
}

// The four-way arrow while an item is dragged to another cell.
void ShowDragCursor(bool dragging) {
  SetCursor(LoadCursorW(nullptr, dragging ? IDC_SIZEALL : IDC_ARROW));
}

}  // namespace

void TItemAreaWindow::RedrawPressedCell(bool released) {
  const TWindowDC dc(Handle());
  const TItemAreaLook look = ItemAreaLook(settings_);
  TGdiCanvas canvas(dc.Get(), scale_.Dpi(), ShownIcons(), itemFontColor_, gdiObjects_);
  TItemAreaPainter painter = ShownPainter(canvas, look);
  const TPoint cell = mouse_.PressedCell();
  painter.DrawCellFrame(released, cell, cellWidth_, cellHeight_);
  const int slot = SlotOfCell(cell, settings_.Colum, ScrollPosition());
  painter.DrawItemCell(Shown().ItemAtSlot(slot),
                       painter.CellRect(slot, cellWidth_, cellHeight_, ScrollPosition()));
  itemFontColor_ = canvas.FontColor();
}

int TItemAreaWindow::ItemAtPoint(TPoint point) const {
  if (!IsInClientArea(Handle(), point)) return -1;
  return Shown().ItemAtSlot(
      SlotOfCell(CellAt(point, cellWidth_, cellHeight_), settings_.Colum, ScrollPosition()));
}

void TItemAreaWindow::AppliGridMouseDown(TMouseButton button, TPoint point) {
  const bool leftButton = button == TMouseButton::Left;
  const TPoint cell = CellAt(point, cellWidth_, cellHeight_);
  mouse_.Press(leftButton, cell);
  // A press takes the selection frame with it; a found item is only started.
  if (selectedSlot_ >= 0) Select(SlotOfCell(cell, settings_.Colum, ScrollPosition()));
  if (find_ && !leftButton) return;
  if (leftButton) {
    // Until the release the area sees the mouse wherever it goes, and the
    // keys, so that Escape can cancel a drag.
    SetCapture(Handle());
    SetFocus(Handle());
    RedrawPressedCell(false);
  }
  events_.PrepareItemMenu(sheet_.Buffer().ItemAtSlot(PressedSlot()) >= 0);
  if (button == TMouseButton::Right) events_.ShowItemMenu();
}

void TItemAreaWindow::PAriaMouseUp(TPoint point) {
  // A release outside the area raises the cell without starting its item.
  const bool inside = IsInClientArea(Handle(), point);
  const auto release = mouse_.Release(false, inside && settings_.SINGLE_EXE == 1);
  ReleaseMouse();  // before the item starts, which may open a message box
  if (release == TItemAreaMouse::TRelease::Nothing) return;
  RedrawPressedCell(true);
  if (release == TItemAreaMouse::TRelease::RaiseAndRun) events_.RunPressedItem();
}

void TItemAreaWindow::MouseCaptureLost() {
  if (dragging_) {
    EndDrag();
  } else if (mouse_.Release(false, false) != TItemAreaMouse::TRelease::Nothing) {
    RedrawPressedCell(true);
  }
}

void TItemAreaWindow::ReleaseMouse() {
  if (GetCapture() == Handle()) ReleaseCapture();
}

void TItemAreaWindow::PAriaDblClick() {
  if (mouse_.DoubleClick(settings_.SINGLE_EXE == 1)) events_.RunPressedItem();
}

void TItemAreaWindow::PAriaMouseMove(TPoint point) {
  const int hovered = ItemAtPoint(point);
  if (hovered < 0) {
    HideItemHint();
  } else {
    ShowItemHint(ItemHintText(hovered));
    hintWatch_.hoveredItem = hovered;
  }
  if (dragging_) ShowDragCursor(true);
  if (mouse_.Move(CellAt(point, cellWidth_, cellHeight_)) != TItemAreaMouse::TMove::BeginDrag ||
      find_) {
    return;
  }
  // The drag begins at once, with the mouse still captured since the press.
  dragging_ = true;
  ShowDragCursor(true);
  RedrawPressedCell(true);
}

void TItemAreaWindow::EndDrag() {
  dragging_ = false;
  ShowDragCursor(false);
  ReleaseMouse();
}

void TItemAreaWindow::PAriaDragDrop(TPoint point) {
  EndDrag();
  // Only a drop on the item area itself moves an item.
  POINT screen{point.X, point.Y};
  ClientToScreen(Handle(), &screen);
  if (WindowFromPoint(screen) != Handle()) return;
  const int scroll = ScrollPosition();
  const int target = SlotOfCell(CellAt(point, cellWidth_, cellHeight_), settings_.Colum, scroll);
  const int source = SlotOfCell(mouse_.PressedCell(), settings_.Colum, scroll);
  const TDropPlan plan = PlanDrop(sheet_.Buffer(), source, target, settings_.AUTOSORT);
  if (!plan.move) return;
  if (plan.askPacking && messageBoxes_.AskYesNo(L"アイコン自動並び替えを解除しますか？")) {
    settings_.AUTOSORT = false;
  }
  ExchangeSlots(sheet_.Buffer(), source, target);
  events_.SheetChanged();
}

void TItemAreaWindow::ShowItemHint(const std::wstring& text) {
  itemHint_.Show(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE)), text);
  hintWatch_.ticks = 0;
  SetTimer(Handle(), kHintTmId, 500, nullptr);
}

void TItemAreaWindow::HintTmTimer() {
  POINT cursor;
  GetCursorPos(&cursor);
  ScreenToClient(Handle(), &cursor);
  RECT area;
  GetClientRect(Handle(), &area);
  const TPoint point{cursor.x, cursor.y};
  if (hintWatch_.Tick(point, area.right, area.bottom, ItemAtPoint(point))) {
    KillTimer(Handle(), kHintTmId);
    HideItemHint();
  }
}
