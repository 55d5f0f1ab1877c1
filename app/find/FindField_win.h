#pragma once
// The find field: a small edit under the item area that opens when the user
// types on the main window, the find session behind it and the icons of the
// found items. Up, Down, Page Up, Page Down, Enter and Escape in the field
// go to the main window.

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "app/find/ItemFind.h"
#include "app/form/FormControls_win.h"
#include "base/win32/Handles_win.h"
#include "base/win32/Window_win.h"

class TFindField {
 public:
  // The edit on the item panel, hidden until a find begins.
  void Create(HWND panel, int id, TFormControls& controls);
  [[nodiscard]] bool IsOpen() const { return find_ != nullptr; }
  [[nodiscard]] HWND Handle() const { return subclass_.Handle(); }
  [[nodiscard]] static int Height();

  // Shows the field with the typed character, the keyboard focus in it,
  // for the items of a find session.
  void Open(std::unique_ptr<TItemFind> find, wchar_t typed);
  // Another character typed while the field is open but has not the focus.
  void Type(wchar_t typed);
  void Close();
  // Filters by the field's text; the found items' icons follow.
  void Filter();
  [[nodiscard]] const TItemFind& Find() const { return *find_; }
  // One icon per found item, at its slot; owned by this object.
  [[nodiscard]] HIMAGELIST Icons() const { return icons_.Get(); }

 private:
  class TFieldSubclass : public TSubclass {
   protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  };
  [[nodiscard]] HICON IconOf(const std::wstring& target);

  TFieldSubclass subclass_;
  std::unique_ptr<TItemFind> find_;
  TImageList icons_;
  // The shell's icon of each target seen in this session (null: none).
  std::map<std::wstring, TIcon> iconCache_;
};
