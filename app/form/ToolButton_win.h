#pragma once
// The flat buttons of the main window's bars. A tool button never takes the
// keyboard focus (no focus box, no Space that presses it again); it shows a
// raised edge under the mouse and a sunken face in the highlight colour
// while it is pressed or, as a toggle, down. It answers BM_CLICK,
// BM_GETCHECK and BM_SETCHECK as a button does and tells its parent
// BN_CLICKED.

#include <windows.h>

inline constexpr wchar_t kToolButtonClass[] = L"TToolButton";

// A flat push button, or a button that stays down when toggle is set.
[[nodiscard]] HWND CreateFlatButton(HWND parent, int id, const wchar_t* text, RECT bounds,
                                    bool toggle = false);
