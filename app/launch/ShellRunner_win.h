#pragma once
// ShellRun through the shell's file-execution call, owner the main window.

#include <windows.h>

#include "app/launch/ShellRunner.h"

class TWin32ShellRunner : public IShellRunner {
 public:
  // The owner is looked up at each call: the main window is created after this object.
  explicit TWin32ShellRunner(const HWND* owner) : owner_(owner) {}
  void ShellRun(const std::wstring& file, const std::wstring& parameters, const std::wstring& folder,
                int showCommand) override;

 private:
  const HWND* owner_;  // not owned
};
