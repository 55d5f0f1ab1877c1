#include <windows.h>

#include "app/settings/TemporaryFiles.h"
#include "base/text/Paths.h"
#include "base/win32/Handles_win.h"

void RemoveOwnTemporaryFiles(const std::vector<std::wstring>& folders) {
  for (const std::wstring& folder : folders) {
    WIN32_FIND_DATAW found{};
    const TFindHandle search(FindFirstFileW(
        JoinPath(folder, std::wstring(kTemporaryFilePrefix) + L"*.tmp").c_str(), &found));
    if (!search.Valid()) continue;
    do {
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
          IsOwnTemporaryFileName(found.cFileName)) {
        DeleteFileW(JoinPath(folder, found.cFileName).c_str());
      }
    } while (FindNextFileW(search.Get(), &found));
  }
}
