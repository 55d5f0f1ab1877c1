#pragma once
// The find field: a small edit under the item area that opens when the user
// types on the main window, the find session behind it and the images of the
// found items in the run's icon cache. Up, Down, Page Up, Page Down, Enter and Escape in the field
// go to the main window.

#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/find/ItemFind.h"
#include "app/form/FormControls_win.h"
#include "app/sheets/IconList_win.h"
#include "base/win32/Handles_win.h"
#include "base/win32/Window_win.h"

class TFindField {
 public:
  // The cache is not owned and outlives this object.
  explicit TFindField(TIconCache& icons) : foundIcons_(icons) {}

  // The edit on the item panel, hidden until a find begins.
  void Create(HWND panel, int id, TFormControls& controls);
  [[nodiscard]] bool IsOpen() const { return find_ != nullptr; }
  [[nodiscard]] HWND Handle() const { return subclass_.Handle(); }

  // Shows the field with the typed character, the keyboard focus in it,
  // for the items of a find session.
  void Open(std::unique_ptr<TItemFind> find, wchar_t typed);
  // Another character typed while the field is open but has not the focus.
  void Type(wchar_t typed);
  void Close();
  // Filters by the field's text; the found items' icons are asked of the cache.
  void Filter();
  // After the cache took finished look-ups: true when a found item's image changed.
  bool RefreshIcons() { return foundIcons_.Refresh(); }
  [[nodiscard]] const TItemFind& Find() const { return *find_; }
  // The image of each found item in the cache's list, by its slot.
  [[nodiscard]] std::span<const int> FoundIconIndexes() const { return foundIcons_.Images(); }

 private:
  class TFieldSubclass : public TSubclass {
   protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  };
  TFieldSubclass subclass_;
  std::unique_ptr<TItemFind> find_;
  TSheetIcons foundIcons_;
};
