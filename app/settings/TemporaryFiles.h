#pragma once
// The program replaces its files through temporary files named "zlk" + up to
// four hex digits + ".tmp" in the same folder. A process killed while saving
// leaves them behind; start-up removes them.

#include <string>
#include <string_view>
#include <vector>

inline constexpr wchar_t kTemporaryFilePrefix[] = L"zlk";

// True only for the names of the program's own temporary files.
[[nodiscard]] bool IsOwnTemporaryFileName(std::wstring_view name);

// Removes the program's own stale temporary files from these folders (not
// from folders below them). Files that cannot be removed are left.
void RemoveOwnTemporaryFiles(const std::vector<std::wstring>& folders);
