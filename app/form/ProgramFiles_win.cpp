#include "app/form/ProgramFiles_win.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "app/text/Paths.h"

std::wstring ProgramPath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring ProgramFolder() { return FolderOf(ProgramPath()); }

std::wstring SettingsFilePath() {
  const std::wstring path = ProgramPath();
  const std::wstring name = FileNameOf(path);
  return JoinPath(FolderOf(path), WithoutExtension(name) + L".ini");
}

std::wstring DataIniPath() { return JoinPath(ProgramFolder(), L"DATA.INI"); }

std::wstring DesktopFolder() {
  wchar_t path[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, path))) return {};
  return path;
}
