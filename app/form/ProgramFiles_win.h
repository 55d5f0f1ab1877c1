#pragma once
// Where the program keeps its files: the folder of the running executable.

#include <string>

[[nodiscard]] std::wstring ProgramPath();
[[nodiscard]] std::wstring ProgramFolder();
// The program's path with its extension replaced by ".ini".
[[nodiscard]] std::wstring SettingsFilePath();
[[nodiscard]] std::wstring DataIniPath();
// The shell's desktop folder; empty when the shell names none.
[[nodiscard]] std::wstring DesktopFolder();
