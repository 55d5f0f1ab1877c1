#include "app/launch/ShortcutResolver_win.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace {

// Releases a COM interface at the end of the scope.
template <typename Interface>
class TComPointer {
 public:
  ~TComPointer() {
    if (pointer) pointer->Release();
  }
  Interface* pointer = nullptr;
};

std::wstring Text(HRESULT result, const wchar_t* buffer) {
  return SUCCEEDED(result) ? std::wstring(buffer) : std::wstring();
}

}  // namespace

TShortcutInfo TShellLinkResolver::ResolveShortcut(const std::wstring& shortcut) {
  TComPointer<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link.pointer)))) {
    return {};
  }
  TComPointer<IPersistFile> file;
  if (FAILED(link.pointer->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.pointer)))) {
    return {};
  }
  if (FAILED(file.pointer->Load(shortcut.c_str(), STGM_READ))) return {};
  // The shell may look for a moved target with a window of its own.
  if (FAILED(link.pointer->Resolve(GetActiveWindow(), SLR_ANY_MATCH))) return {};
  wchar_t target[MAX_PATH] = {};
  wchar_t folder[MAX_PATH] = {};
  wchar_t arguments[MAX_PATH] = {};
  TShortcutInfo info;
  info.Target = Text(link.pointer->GetPath(target, MAX_PATH, nullptr, SLGP_UNCPRIORITY), target);
  info.WorkingFolder = Text(link.pointer->GetWorkingDirectory(folder, MAX_PATH), folder);
  info.Arguments = Text(link.pointer->GetArguments(arguments, MAX_PATH), arguments);
  return info;
}
