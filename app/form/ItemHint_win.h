#pragma once
// The item hint: a small window of the program's own beside the cursor that
// shows an item's display name. It is created for each showing and released
// when hidden.

#include <windows.h>

#include <string>

class TItemHint {
 public:
  TItemHint() = default;
  ~TItemHint() { Hide(); }
  TItemHint(const TItemHint&) = delete;
  TItemHint& operator=(const TItemHint&) = delete;

  // At the cursor, moved down by a caption height.
  void Show(HINSTANCE instance, const std::wstring& text);
  void Hide();
  [[nodiscard]] HWND Handle() const { return window_; }
  [[nodiscard]] const std::wstring& Text() const { return text_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  HWND window_ = nullptr;  // owned
  std::wstring text_;
};
