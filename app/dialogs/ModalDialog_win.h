#pragma once
// A modal dialog from a resource template, on the object thunk of every
// window: the dialog keeps `this` from WM_INITDIALOG to WM_NCDESTROY.

#include <windows.h>

#include <exception>
#include <string>

#include "base/win32/ObjectThunk_win.h"
#include "base/win32/Window_win.h"

class TModalDialog {
 public:
  using TResult = INT_PTR;
  static constexpr int kObjectSlot = DWLP_USER;

  virtual ~TModalDialog() = default;

 protected:
  // Shows the template of the running program modally; returns the modal
  // result. An exception raised inside the dialog closes it with Cancel and
  // is raised again here, outside the system's callback.
  int RunModal(HWND owner, const wchar_t* templateName);

  virtual void OnInitDialog() = 0;
  // A command from a control; true when handled.
  virtual bool OnCommand(int id, int notification) = 0;
  // Any other message (notifications, control colours); true when handled,
  // with the dialog procedure's answer in result.
  virtual bool OnMessage(UINT /*message*/, WPARAM, LPARAM, INT_PTR& /*result*/) { return false; }

  [[nodiscard]] HWND Handle() const { return handle_; }
  [[nodiscard]] HWND Item(int id) const { return GetDlgItem(handle_, id); }
  void Close(int modalResult) { EndDialog(handle_, modalResult); }
  void CenterOnScreen() const;

 private:
  template <typename Object>
  friend typename Object::TResult ObjectThunk(HWND, UINT, WPARAM, LPARAM, Object*) noexcept;
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  // The thunk's steps.
  static INT_PTR WithoutObject(HWND, UINT, WPARAM, LPARAM) noexcept { return FALSE; }
  void Bind(HWND dialog) noexcept { handle_ = dialog; }
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  // The failure is kept and raised again by RunModal once the dialog is closed.
  INT_PTR Failed(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  INT_PTR Unbind(HWND, UINT, WPARAM, LPARAM) noexcept {
    handle_ = nullptr;
    return FALSE;
  }

  HWND handle_ = nullptr;  // owned by the system while the dialog is shown
  std::exception_ptr failure_;
};
