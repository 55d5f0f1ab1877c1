#pragma once
// Drives a modal dialog from inside its own modal loop: a thread timer looks
// for the dialog by caption and, once it is shown, runs the test's action
// on it (set an edit, select a list entry, press a button).

#include <windows.h>

#include <functional>
#include <string>

class TDialogDriver {
 public:
  // Only one driver at a time.
  TDialogDriver(std::wstring caption, std::function<void(HWND dialog)> action);
  ~TDialogDriver();
  TDialogDriver(const TDialogDriver&) = delete;
  TDialogDriver& operator=(const TDialogDriver&) = delete;

  // Whether the dialog was found and the action ran.
  [[nodiscard]] bool Ran() const { return ran_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) noexcept;

  std::wstring caption_;
  std::function<void(HWND)> action_;
  UINT_PTR timer_ = 0;
  int ticks_ = 0;
  bool ran_ = false;
};

// The window of this thread of that class and caption; nullptr when none.
[[nodiscard]] HWND FindThreadWindow(const wchar_t* className, const std::wstring& caption);
// A click on a button, as the button itself reports it to the dialog.
void PressButton(HWND dialog, int id);
[[nodiscard]] std::wstring ControlText(HWND dialog, int id);
