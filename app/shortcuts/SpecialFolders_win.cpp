#include "app/shortcuts/SpecialFolders_win.h"

#include <shlobj.h>
#include <windows.h>

#include "base/win32/Handles_win.h"

std::wstring SpecialFolderPath(int folder) {
  PIDLIST_ABSOLUTE handedOver = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &handedOver))) return {};
  const TItemIdList list(handedOver);
  if (!list) return {};
  wchar_t path[MAX_PATH] = {};
  return SHGetPathFromIDListW(list.Get(), path) ? std::wstring(path) : std::wstring();
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
