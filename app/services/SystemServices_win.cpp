#include "app/services/SystemServices_win.h"

#include <windows.h>

#include <shlobj.h>

#include <vector>

namespace {
constexpr unsigned kDisplayToc = 0x0001;
constexpr unsigned kCloseAll = 0x0012;
}  // namespace

void TWin32Shutdown::RequestShutdown() {
  // Systems that guard shutdown by a privilege want it enabled first.
  HANDLE token = nullptr;
  if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    const TKernelHandle owned(token);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
      AdjustTokenPrivileges(owned.Get(), FALSE, &privileges, 0, nullptr, nullptr);
    }
  }
  ExitWindowsEx(EWX_SHUTDOWN, SHTDN_REASON_FLAG_PLANNED);
}

THtmlHelpViewer::HtmlHelpFunction THtmlHelpViewer::Load() {
  if (!library_) {
    library_.Reset(LoadLibraryW(L"hhctrl.ocx"));
    if (library_) {
      htmlHelp_ = reinterpret_cast<HtmlHelpFunction>(
          reinterpret_cast<void*>(GetProcAddress(library_.Get(), "HtmlHelpW")));
    }
  }
  return htmlHelp_;
}

void THtmlHelpViewer::ShowContents(const std::wstring& helpFile) {
  if (const auto htmlHelp = Load()) htmlHelp(nullptr, helpFile.c_str(), kDisplayToc, 0);
}

void THtmlHelpViewer::CloseAll() {
  // Only a viewer that was opened has windows to close.
  if (htmlHelp_) htmlHelp_(nullptr, nullptr, kCloseAll, 0);
}

std::wstring ProgramPath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}
