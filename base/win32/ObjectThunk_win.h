#pragma once
// The one object thunk behind the window base and the dialog base. A window
// keeps a pointer to its C++ object in a slot of its own: stored from the
// message that brings it, found for every later message, cleared at
// WM_NCDESTROY. Every message in between reaches the object inside one catch
// point, so that no exception crosses the system's callback.
//
// `Object` names its slot and result type and has the steps the thunk takes
// (the thunk is its friend):
//   using TResult;                       LRESULT for windows, INT_PTR for dialogs
//   static constexpr int kObjectSlot;    GWLP_USERDATA, DWLP_USER
//   static TResult WithoutObject(HWND, UINT, WPARAM, LPARAM) noexcept;
//   void Bind(HWND window) noexcept;     the object's window from now on
//   TResult Dispatch(UINT, WPARAM, LPARAM);                        may throw
//   TResult Failed(HWND, UINT, WPARAM, LPARAM) noexcept;           inside the catch block
//   TResult Unbind(HWND, UINT, WPARAM, LPARAM) noexcept;           WM_NCDESTROY, slot
//                                        already cleared; the object's last step

#include <windows.h>

template <typename Object>
[[nodiscard]] Object* StoredObject(HWND window) noexcept {
  return reinterpret_cast<Object*>(GetWindowLongPtrW(window, Object::kObjectSlot));
}

// The window's messages no longer reach the object.
template <typename Object>
void ForgetObject(HWND window) noexcept {
  SetWindowLongPtrW(window, Object::kObjectSlot, 0);
}

// One message: `arriving` is the object when this message brings it, else null.
template <typename Object>
typename Object::TResult ObjectThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     Object* arriving) noexcept {
  if (arriving) {
    SetWindowLongPtrW(window, Object::kObjectSlot, reinterpret_cast<LONG_PTR>(arriving));
    arriving->Bind(window);
  }
  Object* self = StoredObject<Object>(window);
  if (!self) return Object::WithoutObject(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ForgetObject<Object>(window);
    return self->Unbind(window, message, wParam, lParam);
  }
  try {
    return self->Dispatch(message, wParam, lParam);
  } catch (...) {
    return self->Failed(window, message, wParam, lParam);
  }
}
