#pragma once
// The item hint: a small window of the program's own beside the cursor that
// shows an item's display name. It is created for each showing and released
// when hidden.

#include <windows.h>

#include <string>

#include "base/Scale.h"
#include "base/win32/Window_win.h"

class TItemHint : public TWindow {
 public:
  TItemHint() = default;
  ~TItemHint() override { Hide(); }

  // The text's font (not owned; it outlives the hint) and the sizes round
  // it, for the main window's DPI.
  void SetLook(HFONT font, TScale scale);
  // At the cursor, moved down by a caption height.
  void Show(HINSTANCE instance, const std::wstring& text);
  void Hide();
  [[nodiscard]] const std::wstring& Text() const { return text_; }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint() const;

  std::wstring text_;
  HFONT font_ = nullptr;  // not owned; the system's when none is set
  TScale scale_;
};
