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

  // Shows the field, empty, for the items of a find session.
  void Open(std::unique_ptr<TItemFind> find);
  // A character typed on the main window goes into the field, and so does
  // the keyboard focus unless a composition is open.
  void Type(wchar_t typed);
  void Close();
  // Filters by the field's text; the found items' icons are asked of the cache.
  void Filter();
  [[nodiscard]] std::wstring Text() const { return WindowText(Handle()); }
  // After the cache took finished look-ups: true when a found item's image changed.
  bool RefreshIcons() { return foundIcons_.Refresh(); }
  [[nodiscard]] const TItemFind& Find() const { return *find_; }
  // The image of each found item in the cache's list, by its slot.
  [[nodiscard]] std::span<const int> FoundIconIndexes() const { return foundIcons_.Images(); }

  // The input method's composition, begun on the main window or in the
  // field: nothing is filtered while it is open, and the Enter that ends it
  // starts nothing.
  void CompositionStarted() { composing_ = true; }
  void CompositionEnded(bool enterDown);
  [[nodiscard]] bool Composing() const { return composing_; }
  [[nodiscard]] bool EnterEndsComposition() const { return composing_ || compositionEnter_; }
  void EnterReleased() { compositionEnter_ = false; }
  // The composition window of the window with the focus stands at the field.
  void PlaceComposition(HWND focus) const;

 private:
  class TFieldSubclass : public TSubclass {
   public:
    explicit TFieldSubclass(TFindField& field) : field_(field) {}

   protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

   private:
    TFindField& field_;
  };
  TFieldSubclass subclass_{*this};
  std::unique_ptr<TItemFind> find_;
  TSheetIcons foundIcons_;
  bool composing_ = false;
  bool compositionEnter_ = false;  // the Enter that ended it is still down
};
