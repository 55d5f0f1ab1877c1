#pragma once
// Puts a top-level window into the topmost band (above every window that is
// not in it) or takes it out, without moving, sizing or activating it.

#include <windows.h>

void SetTopmost(HWND window, bool topmost);
