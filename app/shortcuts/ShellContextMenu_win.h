#pragma once
// The shell's own context menu for files or the quick bar's special objects,
// shown at the mouse; the chosen command is carried out by the shell.

#include <windows.h>

#include <string>
#include <vector>

// Each text is a file-system path or one of "MYCOM", "MYDOC", "MYNET",
// "CONTROL", "INTERNET"; all are to lie in one folder. While the menu is
// shown the owner window is subclassed so that owner-drawn entries and
// submenus reach the menu; any failure on the way shows no menu.
void ShellContextMenu(HWND owner, const std::vector<std::wstring>& texts);
