#include "archive/ModuleLoader_win.h"

#include <windows.h>

IModuleLoader::TModule TWin32ModuleLoader::Load(const std::wstring& fileName) {
  return LoadLibraryW(fileName.c_str());
}

TEntryAddress TWin32ModuleLoader::Entry(TModule module, const std::string& name) {
  return reinterpret_cast<TEntryAddress>(
      GetProcAddress(static_cast<HMODULE>(module), name.c_str()));
}

std::wstring TWin32ModuleLoader::FileName(TModule module) {
  wchar_t name[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(static_cast<HMODULE>(module), name, MAX_PATH);
  return std::wstring(name, length);
}

void TWin32ModuleLoader::Free(TModule module) { FreeLibrary(static_cast<HMODULE>(module)); }
