#pragma once
// The item area PAria: the paint box that shows the current sheet's items
// as a grid of cells, with its scroll bar PaintBar and the mouse wheel, the
// mouse on it (pressing, starting, dragging) and the item hint.

#include <windows.h>

#include <string>

#include "app/find/ItemFind.h"
#include "app/form/FormControls_win.h"
#include "app/form/ItemHint_win.h"
#include "app/itemarea/ItemAreaEvents.h"
#include "app/keys/CellNavigation.h"
#include "app/mouse/ItemAreaMouse.h"
#include "app/paint/GdiCanvas_win.h"
#include "app/paint/ItemArea.h"
#include "app/paint/ItemAreaScroll.h"
#include "app/settings/Settings.h"
#include "app/sheets/CurrentSheet.h"
#include "app/sheets/IconList_win.h"
#include "base/errors/MessageBoxes.h"
#include "base/text/TextCodec.h"
#include "base/win32/Window_win.h"

class TItemAreaWindow : public TWindow {
 public:
  // The settings, the sheet and the icons are the main window's; a drop
  // may clear AUTOSORT.
  TItemAreaWindow(TSettings& settings, TCurrentSheet& sheet, const TSheetIcons& icons,
                  const ITextCodec& codec, IMessageBoxes& messageBoxes, IItemAreaEvents& events);
  ~TItemAreaWindow() override;

  // PAria on the item panel, PaintBar on the tabs.
  void Create(HWND panel, HWND tabs, TFormControls& controls);
  [[nodiscard]] HWND PaintBar() const { return paintBar_; }

  // The main window's DPI and font: the hint's text and every size of the
  // cells follow them. Run at creation and when the window's DPI changes.
  void SetScale(TScale scale, HFONT hintFont);
  // The cell height for the settings' look at the window's DPI.
  void SetItemAreaFont();
  // Shows the sheet anew after any change to it: the scroll range follows
  // the sheet, then the area is painted at once.
  void Repaint();
  // Another sheet was loaded: it shows from its top row, without the last
  // sheet's item hint.
  void ShowLoadedSheet();
  // ItemAreaScroll_win.cpp: the scroll bar and the wheel.
  void PaintBarChange(int request, int thumb);
  [[nodiscard]] int ScrollPosition() const;
  // A wheel message that reached the main window (the wheel goes to the
  // focus window): true when it scrolled the item area, because the cursor
  // is over it or the main window itself has the focus.
  bool FormMouseWheel(HWND form, WPARAM wParam, LPARAM lParam);
  [[nodiscard]] int CellHeight() const { return cellHeight_; }
  // The slot on which starting and item commands act: the cell the keys
  // selected, otherwise the last pressed cell.
  [[nodiscard]] int PressedSlot() const;

  // The found items of a find shown in place of the sheet, the first
  // selected, with the image list and the image of each (none owned); null
  // shows the sheet again.
  void ShowFound(const TItemFind* find, HIMAGELIST icons, std::span<const int> iconIndexes);
  [[nodiscard]] bool ShowingFound() const { return find_ != nullptr; }
  // What the area says while it shows no item; empty while it shows some.
  [[nodiscard]] std::wstring_view EmptyAreaText() const;
  // The selection frame, scrolled into view; -1 removes it.
  void Select(int slot);
  void MoveSelection(TNavigationKey key);
  [[nodiscard]] int SelectedSlot() const { return selectedSlot_; }
  // The screen point of the selected cell's top left, or of the cursor
  // without a selection: where the item popup menu opens.
  [[nodiscard]] POINT SelectedCellOnScreen() const;
  // PAriaPaint onto any device context of the area's size (the screen, a
  // memory bitmap, WM_PRINTCLIENT); with a dirty rectangle, only the items
  // touching it.
  void PAriaPaint(HDC dc, int width, int height, const RECT* dirty = nullptr);

  void HideItemHint() { itemHint_.Hide(); }
  [[nodiscard]] const TItemHint& ItemHint() const { return itemHint_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ReportFailure() noexcept override;

 private:
  enum class TMouseButton { Left, Right, Middle };
  void PaintToScreen();
  // ItemAreaScroll_win.cpp.
  [[nodiscard]] TItemAreaScroll Scroll() const;
  void UpdateScrollRange();
  void ScrollTo(int position);
  void PAriaMouseWheel(int wheelDelta);
  // ItemAreaMouse_win.cpp.
  void AppliGridMouseDown(TMouseButton button, TPoint point);
  void PAriaMouseUp(TPoint point);
  void PAriaMouseMove(TPoint point);
  void PAriaDblClick();
  void PAriaDragDrop(TPoint point);
  void EndDrag();
  // Another window took the mouse (a message box, a menu, Escape): a pending
  // press is raised without starting its item, a drag ends without a drop.
  void MouseCaptureLost();
  void ReleaseMouse();
  void RedrawPressedCell(bool released);
  void ShowItemHint(const std::wstring& text);
  void HintTmTimer();
  [[nodiscard]] int ItemAtPoint(TPoint point) const;
  // The display name of a shown item; a found item's also names its sheet.
  [[nodiscard]] std::wstring ItemHintText(int index) const;
  // The found items while a find shows them, otherwise the current sheet.
  [[nodiscard]] const TSheetBuffer& Shown() const;
  [[nodiscard]] HIMAGELIST ShownIcons() const;
  // A painter of what is shown.
  [[nodiscard]] TItemAreaPainter ShownPainter(ICanvas& canvas, const TItemAreaLook& look) const;

  TSettings& settings_;
  TCurrentSheet& sheet_;
  const TSheetIcons& icons_;
  const ITextCodec& codec_;
  IMessageBoxes& messageBoxes_;
  IItemAreaEvents& events_;
  HWND paintBar_ = nullptr;  // not owned: a child of the tabs
  TScale scale_;
  int cellWidth_ = 0;        // set by each paint
  int cellHeight_ = 0;
  TColor itemFontColor_ = clBlack;  // as the last paint left it
  TGdiObjectCache gdiObjects_;      // of every paint
  TItemAreaMouse mouse_;
  bool dragging_ = false;
  TItemHint itemHint_;
  THintWatch hintWatch_;
  const TItemFind* find_ = nullptr;        // while its found items show
  HIMAGELIST foundIcons_ = nullptr;        // the find's
  std::span<const int> foundIconIndexes_;  // the find's
  int selectedSlot_ = -1;
};
