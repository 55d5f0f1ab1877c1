#pragma once
// The system's open-file dialog behind a seam, so that tests answer it.

#include <string>
#include <string_view>
#include <vector>

// The dialog's answer with several files allowed: the folder, then each
// file's name, each ended by a NUL, and a NUL after the last; a single file
// comes as its whole path. The full path of each chosen file.
[[nodiscard]] std::vector<std::wstring> ChosenFiles(std::wstring_view answer);
