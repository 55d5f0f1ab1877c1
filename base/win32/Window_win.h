#pragma once
// The one window base: the object pointer is stored at WM_NCCREATE and
// cleared at WM_NCDESTROY, and every message reaches the object's handler
// inside one catch point, so that no exception crosses the system's callback.
// Windows of other classes (controls) are subclassed through TSubclass.

#include <windows.h>

#include <string>

#include "base/win32/ObjectThunk_win.h"

class TWindow {
 public:
  using TResult = LRESULT;
  static constexpr int kObjectSlot = GWLP_USERDATA;

  TWindow() = default;
  // Destroys the window if it is still there, without the object's handler:
  // a class whose handler must see its window's last messages destroys the
  // window in its own destructor.
  virtual ~TWindow();
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  [[nodiscard]] HWND Handle() const noexcept { return handle_; }
  // The object of a window of this base; null for any other window.
  [[nodiscard]] static TWindow* FromHandle(HWND window) noexcept;

 protected:
  // Registers a class of this base's procedure once per process. Class
  // styles, cursor and background as the window needs them.
  static void RegisterWindowClass(HINSTANCE instance, const wchar_t* className, UINT style,
                                  HBRUSH background, HCURSOR cursor = LoadCursorW(nullptr, IDC_ARROW));
  // Creates the window with this object; the object's handler already sees
  // WM_NCCREATE's successors (WM_CREATE and on). Null when the system refused.
  HWND CreateWindowOf(DWORD exStyle, const wchar_t* className, const wchar_t* caption,
                      DWORD style, RECT bounds, HWND parent, HMENU menuOrId,
                      HINSTANCE instance);

  // The window's own handling of a message; DefaultHandling for the rest.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    return DefWindowProcW(handle_, message, wParam, lParam);
  }
  // Reports a handler's failure (call only inside a catch block). By default
  // the standard error box, owned by the window's top-level window.
  virtual void ReportFailure() noexcept;
  // The window is being destroyed: the last message the object sees.
  virtual void OnWindowGone() noexcept {}
  // Called last, once the object has let go of its window (Handle() is
  // null): an object that its window owns frees itself here.
  virtual void OnFinalMessage() noexcept {}

 private:
  template <typename Object>
  friend typename Object::TResult ObjectThunk(HWND, UINT, WPARAM, LPARAM, Object*) noexcept;
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;
  // The thunk's steps.
  static LRESULT WithoutObject(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  void Bind(HWND window) noexcept { handle_ = window; }
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    return HandleMessage(message, wParam, lParam);
  }
  LRESULT Failed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  LRESULT Unbind(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  HWND handle_ = nullptr;  // owned: destroyed with the object at the latest
};

// A window of another class (a control) whose messages this object sees
// first, through the system's subclassing. Removed again on destruction or
// when the window goes.
class TSubclass {
 public:
  TSubclass() = default;
  virtual ~TSubclass();
  TSubclass(const TSubclass&) = delete;
  TSubclass& operator=(const TSubclass&) = delete;

  // Starts seeing the window's messages; false when the system refused.
  bool Attach(HWND window);
  void Detach() noexcept;
  [[nodiscard]] HWND Handle() const noexcept { return window_; }

 protected:
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // The control's own handling.
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  // As TWindow::ReportFailure.
  virtual void ReportFailure() noexcept;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR object) noexcept;

  HWND window_ = nullptr;  // not owned: the control belongs to its parent
};

// The text of a window or control.
[[nodiscard]] std::wstring WindowText(HWND window);
