#pragma once
// What the item area PAria asks of the main window that holds it.

class IItemAreaEvents {
 public:
  virtual ~IItemAreaEvents() = default;
  // A click or double click started the item of the pressed cell.
  virtual void RunPressedItem() = 0;
  // Every press: the item popup menu's item entries follow the pressed cell.
  virtual void PrepareItemMenu(bool onItem) = 0;
  // The right press: the item popup menu at the cursor.
  virtual void ShowItemMenu() = 0;
  // A drop exchanged two slots of the current sheet.
  virtual void SheetChanged() = 0;
};
