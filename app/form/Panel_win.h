#pragma once
// TPanel: a plain child window in one colour, optionally with a raised outer
// and a lowered inner bevel. Commands and notifications of the controls on
// it go on to the main window.

#include <windows.h>

#include <commctrl.h>

#include "app/settings/Colors.h"

inline constexpr wchar_t kPanelClass[] = L"TPanel";

void RegisterPanelClass(HINSTANCE instance);
// The panel's colour and bevel belong to its window and go with it.
[[nodiscard]] HWND CreatePanel(HWND parent, int id, TColor color, bool beveled);
void SetPanelColor(HWND panel, TColor color);
// A picture of the list drawn at the point on the panel's colour; the list
// is not owned and outlives the panel.
void SetPanelPicture(HWND panel, HIMAGELIST images, int index, POINT at);

// Sends the messages that controls send to their parent on to the top-level
// window; true when the message was one of them. Shared by every window
// that holds controls of the main window.
bool ForwardToMainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
