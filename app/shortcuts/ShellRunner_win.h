#pragma once
// ShellRun and the file-execution call with a verb, through ShellExecuteW
// with the main window as owner.

#include <windows.h>

#include "app/shortcuts/ShortcutShell.h"

class TWin32ShellRunner : public IShellRunner, public IShellExecutor {
 public:
  // The owner is set once the main window exists; not owned.
  void SetOwner(HWND owner) { owner_ = owner; }

  void ShellRun(const std::wstring& file, const std::wstring& parameters,
                const std::wstring& folder, int showCommand) override;
  void Execute(const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
               const std::wstring& folder, int showCommand) override;

 private:
  HWND owner_ = nullptr;
};
