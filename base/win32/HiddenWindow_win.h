#pragma once
// The hidden tool windows through which the socket and timer components get
// their notifications: the object lives in the first window-extra slot.

#include <windows.h>

class THiddenWindow {
 public:
  // Registers the class once per process and creates a hidden popup tool
  // window of it holding the object; a window that cannot be made is null.
  THiddenWindow(const wchar_t* className, WNDPROC procedure, void* object);
  // Lets go of the object and destroys the window.
  ~THiddenWindow();
  THiddenWindow(const THiddenWindow&) = delete;
  THiddenWindow& operator=(const THiddenWindow&) = delete;

  [[nodiscard]] HWND Handle() const { return handle_; }

  // The object a hidden window holds; nullptr once it was let go.
  template <typename T>
  [[nodiscard]] static T* Object(HWND window) {
    return reinterpret_cast<T*>(GetWindowLongPtrW(window, 0));
  }

 private:
  HWND handle_ = nullptr;
};

// Dispatches every message waiting in the thread's queue, so that timers,
// notifications and user input run while a component waits.
void ProcessMessages();

// Waits until a message arrives (at most a few milliseconds), then dispatches
// what is waiting: a wait loop that neither spins nor sleeps past a message.
void WaitAndProcessMessages();
