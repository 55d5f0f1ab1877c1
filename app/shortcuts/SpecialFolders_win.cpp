#include "app/shortcuts/SpecialFolders_win.h"

#include <shlobj.h>
#include <windows.h>

std::wstring SpecialFolderPath(int folder) {
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &list)) || !list) return {};
  wchar_t path[MAX_PATH] = {};
  const bool found = SHGetPathFromIDListW(list, path);
  CoTaskMemFree(list);
  return found ? std::wstring(path) : std::wstring();
}

std::wstring WindowsFolder() {
  wchar_t path[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(path, length) : std::wstring();
}

std::wstring TWin32SpecialFolders::SpecialFolderPath(int folder) const {
  return ::SpecialFolderPath(folder);
}

std::wstring TWin32SpecialFolders::WindowsFolder() const { return ::WindowsFolder(); }
