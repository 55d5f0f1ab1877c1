#pragma once
// The sheet tabs ATab: the one owner of the sheet list (the tab control only
// shows it), their drawing in the tab colours, the sheet popup menu seetpop
// and the move-to submenu of the item popup menu.

#include <windows.h>

#include <string>
#include <vector>

#include "app/form/FormControls_win.h"
#include "app/settings/Settings.h"
#include "base/Scale.h"
#include "base/win32/Handles_win.h"
#include "base/win32/Window_win.h"

class TSheetTabs {
 public:
  // The tab colours are read from the settings at each drawing.
  explicit TSheetTabs(const TSettings& settings) : settings_(settings) {}

  // The tab control on the body and seetpop; moveTo, the submenu of the item
  // popup menu, is filled with the sheet names from then on.
  HWND Create(HWND body, HMENU moveTo, TFormControls& controls);
  [[nodiscard]] HWND Handle() const { return subclass_.Handle(); }
  [[nodiscard]] HMENU SheetMenu() const { return seetpop_.Get(); }

  // The sheets as tabs, the tab of current selected, the move-to submenu
  // rebuilt.
  void SetSheets(std::vector<std::wstring> names, int current);
  [[nodiscard]] const std::vector<std::wstring>& SheetNames() const { return names_; }
  [[nodiscard]] int Current() const;
  void Select(int index) const;
  // Empty for an index without a sheet.
  [[nodiscard]] std::wstring SheetName(int index) const;
  [[nodiscard]] std::wstring CurrentSheetName() const { return SheetName(Current()); }
  // The entries of the move-to submenu, one per sheet, from kMoveToFirst.
  [[nodiscard]] int MoveToCount() const { return moveToCount_; }

  void ATabDrawTab(const DRAWITEMSTRUCT& item) const;
  // The tabs in one row that scrolls, or in as many rows as they need.
  void SetOneRow(bool oneRow);
  [[nodiscard]] bool OneRow() const;
  // The tab font in points at the window's DPI; a name wider than the
  // table's cap ends in "…" on its tab.
  void SetTabFont(int FontSize, TScale scale);

 private:
  // ATabProc: the right press opens seetpop; commands of the controls on
  // the tabs go on to the main window.
  class TATabSubclass : public TSubclass {
   public:
    explicit TATabSubclass(const TSheetTabs& tabs) : tabs_(tabs) {}

   protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

   private:
    const TSheetTabs& tabs_;
  };
  void ATabMouseDown() const;
  void BuildMoveToMenu();
  // The names as the tabs show them, each within the cap.
  void ShowTabTexts();

  const TSettings& settings_;
  std::vector<std::wstring> names_;
  std::vector<std::wstring> tabTexts_;  // the names as the tabs show them
  TScale scale_;
  TATabSubclass subclass_{*this};
  TMenu seetpop_;
  HMENU moveTo_ = nullptr;  // not owned: a submenu of Pop, destroyed with it
  int moveToCount_ = 0;
  TFont tabFont_;  // outlives the tab control, which uses it
};
