#pragma once
// The windows of a stand-in for the shell's desktop, made in this process:
// a top-level "Progman" holding "SHELLDLL_DefView" with a "SysListView32" of
// one icon or, in the WorkerW shape, an empty hidden "Progman" and a
// "WorkerW" whose "SHELLDLL_DefView" holds the list view on the left half and
// an "Internet Explorer_Server" on the right half. Under Wine a click raises
// the clicked top-level window, so other windows must not overlap it.

#include <windows.h>

enum class TDesktopShape { Progman, WorkerW };

struct TStandInDesktop {
  HWND Progman = nullptr;
  HWND Holder = nullptr;  // the top-level parent of the view: Progman or WorkerW
  HWND DefView = nullptr;
  HWND IconView = nullptr;
  HWND WebView = nullptr;  // WorkerW shape only
};

[[nodiscard]] TStandInDesktop CreateStandInDesktop(TDesktopShape shape, int width, int height);
void DestroyStandInDesktop(const TStandInDesktop& desktop);

// The centre of the icon, in screen coordinates.
[[nodiscard]] POINT IconCentre(const TStandInDesktop& desktop);
