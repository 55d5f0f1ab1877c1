#pragma once
// The mouse on the item area: the pressed cell, the press and double-click
// flags, and what a press, release, double click, move and drop lead to.

#include "base/Geometry.h"
#include "app/sheets/SheetBuffer.h"

class TItemAreaMouse {
 public:
  enum class TRelease { Nothing, Raise, RaiseAndRun };
  enum class TMove { Nothing, CancelPress, BeginDrag };

  // Every button stores the pressed cell; the left one also sets the press flag.
  void Press(bool leftButton, TPoint cell);
  // The cell is raised when a left press is pending; the item runs after a
  // single click when no drag is in progress.
  [[nodiscard]] TRelease Release(bool dragging, bool singleClickRuns);
  // Sets the double-click flag; true when a double click runs the item.
  [[nodiscard]] bool DoubleClick(bool singleClickRuns);
  // While a press is pending: a double click's press ends here without a
  // drag; moving to another cell begins a drag at once.
  [[nodiscard]] TMove Move(TPoint cell);

  [[nodiscard]] TPoint PressedCell() const { return pressed_; }
  [[nodiscard]] bool Pressing() const { return pressing_; }

 private:
  TPoint pressed_;
  bool pressing_ = false;
  bool doubleClicked_ = false;
};

// The cell (column, visible row) under a point of the item area.
[[nodiscard]] TPoint CellAt(TPoint point, int cellWidth, int cellHeight);
// The slot of a cell: column + columns x (visible row + scroll position).
[[nodiscard]] int SlotOfCell(TPoint cell, int colum, int scroll);

// A drop of the item in slot source onto slot target.
struct TDropPlan {
  bool move = false;        // false: nothing happens, nothing is saved
  bool askPacking = false;  // the target is an empty cell and packing is on
};
[[nodiscard]] TDropPlan PlanDrop(const TSheetBuffer& sheet, int source, int target, bool autosort);
// The dragged item takes the target slot; an item standing there takes the source slot.
void ExchangeSlots(TSheetBuffer& sheet, int source, int target);

// The item hint's timer: true when the hint is to go, because the cursor
// left the area or, from the second tick on, rests on another item.
struct THintWatch {
  int hoveredItem = -1;
  int ticks = 0;
  [[nodiscard]] bool Tick(TPoint cursor, int areaWidth, int areaHeight, int itemUnderCursor);
};
