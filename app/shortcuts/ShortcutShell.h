#pragma once
// Seams of the system shortcuts besides ShellRun: the shell's file-execution
// call with a verb, and the special folders of the shell.

#include <string>

#include "app/launch/ShellRunner.h"

class IShellExecutor {
 public:
  virtual ~IShellExecutor() = default;
  // The file-execution call with a verb, owner the main window; fire and
  // forget. An empty text is passed as none.
  virtual void Execute(const std::wstring& verb, const std::wstring& file,
                       const std::wstring& parameters, const std::wstring& folder,
                       int showCommand) = 0;
};

class ISpecialFolders {
 public:
  virtual ~ISpecialFolders() = default;
  // SpecialFolderPath: the file-system path of a shell special folder
  // (CSIDL number); empty when the shell gives none.
  [[nodiscard]] virtual std::wstring SpecialFolderPath(int folder) const = 0;
  // The Windows folder, for instance "C:\WINDOWS".
  [[nodiscard]] virtual std::wstring WindowsFolder() const = 0;
};

struct TShortcutShell {
  IShellRunner& Runner;
  IShellExecutor& Executor;
  const ISpecialFolders& Folders;
};
