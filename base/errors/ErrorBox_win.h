#pragma once
// The application's standard error box and the finished message of a failure.

#include <windows.h>

#include <string>

#include "base/errors/MessageBoxes.h"

// Caption "ZELK", error icon, OK.
void ShowErrorBox(HWND owner, const std::wstring& message);

// The system's text for a Win32 error code, without the trailing line break.
[[nodiscard]] std::wstring SystemErrorText(DWORD error);

// The finished message of the exception being handled; call only inside a
// catch block.
[[nodiscard]] std::wstring CurrentExceptionMessage() noexcept;

// Shows the exception being handled; call only inside a catch block. Through
// the boxes of the live TErrorBoxRoute, else in a plain box of the owner.
void ShowCurrentException(HWND owner) noexcept;

// While it lives, failures caught at a window's edge are shown through the
// given boxes (and so with their owner and topmost handling).
class TErrorBoxRoute {
 public:
  explicit TErrorBoxRoute(IMessageBoxes& boxes) noexcept;
  ~TErrorBoxRoute();
  TErrorBoxRoute(const TErrorBoxRoute&) = delete;
  TErrorBoxRoute& operator=(const TErrorBoxRoute&) = delete;

 private:
  IMessageBoxes* previous_;
};
