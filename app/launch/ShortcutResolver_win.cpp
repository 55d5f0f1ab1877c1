#include "app/launch/ShortcutResolver_win.h"

#include <windows.h>
#include <shlobj.h>

#include "base/win32/Handles_win.h"

namespace {

std::wstring Text(HRESULT result, const wchar_t* buffer) {
  return SUCCEEDED(result) ? std::wstring(buffer) : std::wstring();
}

}  // namespace

TShortcutInfo TShellLinkResolver::ResolveShortcut(const std::wstring& shortcut) {
  TComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              link.PutVoid()))) {
    return {};
  }
  TComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid()))) return {};
  if (FAILED(file->Load(shortcut.c_str(), STGM_READ))) return {};
  // The shell may look for a moved target with a window of its own.
  if (FAILED(link->Resolve(GetActiveWindow(), SLR_ANY_MATCH))) return {};
  wchar_t target[MAX_PATH] = {};
  wchar_t folder[MAX_PATH] = {};
  wchar_t arguments[MAX_PATH] = {};
  TShortcutInfo info;
  info.Target = Text(link->GetPath(target, MAX_PATH, nullptr, SLGP_UNCPRIORITY), target);
  info.WorkingFolder = Text(link->GetWorkingDirectory(folder, MAX_PATH), folder);
  info.Arguments = Text(link->GetArguments(arguments, MAX_PATH), arguments);
  return info;
}
