// The pack filter on a real tree under Wine, through the Win32 file search.
#include <windows.h>

#include "archive/ArchiverSystem_win.h"
#include "bench/archive_bench.h"
#include "tests/support/TempFolder_win.h"

namespace {

std::size_t ListAll(const std::wstring& folder) {
  std::size_t files = 0;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      files += ListAll(folder + L"\\" + name);
    } else {
      ++files;
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return files;
}

}  // namespace

int main() {
  TTempFolder root;
  MakeBenchTree(
      root.Path(), [](const std::wstring& folder) { CreateDirectoryW(folder.c_str(), nullptr); },
      [](const std::wstring& file) { WriteBytes(file, Bytes("x")); });
  TWin32FileSearch search;
  RunPackFilterBench("Wine", root.Path(), search, [&] { return ListAll(root.Path()); });
}
