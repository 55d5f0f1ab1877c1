#include "app/mouse/ItemAreaMouse.h"

void TItemAreaMouse::Press(bool leftButton, TPoint cell) {
  pressed_ = cell;
  if (leftButton) pressing_ = true;
}

TItemAreaMouse::TRelease TItemAreaMouse::Release(bool dragging, bool singleClickRuns) {
  if (!pressing_) return TRelease::Nothing;
  pressing_ = false;
  return !dragging && singleClickRuns ? TRelease::RaiseAndRun : TRelease::Raise;
}

bool TItemAreaMouse::DoubleClick(bool singleClickRuns) {
  doubleClicked_ = true;
  return !singleClickRuns;
}

TItemAreaMouse::TMove TItemAreaMouse::Move(TPoint cell) {
  if (!pressing_) return TMove::Nothing;
  if (doubleClicked_) {
    doubleClicked_ = false;
    pressing_ = false;
    return TMove::CancelPress;
  }
  if (cell == pressed_) return TMove::Nothing;
  pressing_ = false;
  return TMove::BeginDrag;
}

TPoint CellAt(TPoint point, int cellWidth, int cellHeight) {
  return {cellWidth == 0 ? 0 : point.X / cellWidth, cellHeight == 0 ? 0 : point.Y / cellHeight};
}

int SlotOfCell(TPoint cell, int colum, int scroll) { return cell.X + colum * (cell.Y + scroll); }

TDropPlan PlanDrop(const TSheetBuffer& sheet, int source, int target, bool autosort) {
  if (source == target || sheet.ItemAtSlot(source) < 0) return {};
  return {.move = true, .askPacking = autosort && sheet.ItemAtSlot(target) < 0};
}

void ExchangeSlots(TSheetBuffer& sheet, int source, int target) {
  const int standing = sheet.ItemAtSlot(target);
  const int dragged = sheet.ItemAtSlot(source);
  if (dragged < 0) return;
  sheet.Items[static_cast<std::size_t>(dragged)].Slot = target;
  if (standing >= 0) sheet.Items[static_cast<std::size_t>(standing)].Slot = source;
}

bool THintWatch::Tick(TPoint cursor, int areaWidth, int areaHeight, int itemUnderCursor) {
  if (cursor.X < 0 || cursor.Y < 0 || cursor.X > areaWidth || cursor.Y > areaHeight) return true;
  ++ticks;
  return ticks >= 2 && itemUnderCursor != hoveredItem;
}
