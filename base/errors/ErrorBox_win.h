#pragma once
// The application's standard error box and the finished message of a failure.

#include <windows.h>

#include <string>

// Caption "ZELK", error icon, OK.
void ShowErrorBox(HWND owner, const std::wstring& message);

// The system's text for a Win32 error code, without the trailing line break.
[[nodiscard]] std::wstring SystemErrorText(DWORD error);

// The finished message of the exception being handled; call only inside a
// catch block.
[[nodiscard]] std::wstring CurrentExceptionMessage() noexcept;

// Shows the exception being handled; call only inside a catch block.
void ShowCurrentException(HWND owner) noexcept;
