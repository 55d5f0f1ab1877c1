#pragma once
// The shell's special folders and the Windows folder.

#include <string>

#include "app/shortcuts/ShortcutShell.h"

// The file-system path of special folder n (CSIDL); empty when the shell
// gives no item identifier list or the folder has no file-system path.
[[nodiscard]] std::wstring SpecialFolderPath(int folder);
[[nodiscard]] std::wstring WindowsFolder();

class TWin32SpecialFolders : public ISpecialFolders {
 public:
  [[nodiscard]] std::wstring SpecialFolderPath(int folder) const override;
  [[nodiscard]] std::wstring WindowsFolder() const override;
};
