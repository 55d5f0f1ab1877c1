#pragma once
// The shell's file-execution call with a verb, owner the main window.

#include <windows.h>

#include "app/shortcuts/ShortcutShell.h"

class TWin32ShellExecutor : public IShellExecutor {
 public:
  // The owner is looked up at each call: the main window is created after this object.
  explicit TWin32ShellExecutor(const HWND* owner) : owner_(owner) {}
  void Execute(const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
               const std::wstring& folder, int showCommand) override;

 private:
  const HWND* owner_;  // not owned
};
