#pragma once
// A modal dialog from a resource template: one thunk for every dialog of
// this folder. The dialog keeps `this` from WM_INITDIALOG to WM_NCDESTROY.

#include <windows.h>

#include <exception>
#include <string>

class TModalDialog {
 public:
  virtual ~TModalDialog() = default;

 protected:
  // Shows the template of the running program modally; returns the modal
  // result. An exception raised inside the dialog closes it with Cancel and
  // is raised again here, outside the system's callback.
  int RunModal(HWND owner, const wchar_t* templateName);

  virtual void OnInitDialog() = 0;
  // A command from a control; true when handled.
  virtual bool OnCommand(int id, int notification) = 0;

  [[nodiscard]] HWND Handle() const { return handle_; }
  [[nodiscard]] HWND Item(int id) const { return GetDlgItem(handle_, id); }
  void Close(int modalResult) { EndDialog(handle_, modalResult); }
  void CenterOnScreen() const;

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  INT_PTR HandleMessage(UINT message, WPARAM wParam);

  HWND handle_ = nullptr;  // owned by the system while the dialog is shown
  std::exception_ptr failure_;
};

// The text of a control.
[[nodiscard]] std::wstring WindowText(HWND window);
