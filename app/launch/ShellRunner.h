#pragma once
// Seam for the shell's file-execution call: opens a file with its default
// action (a program starts, a document opens in its program, a folder in the
// file manager). Fire and forget: the result is not examined.

#include <string>

inline constexpr int kShowNormal = 5;  // SW_SHOW

class IShellRunner {
 public:
  virtual ~IShellRunner() = default;
  // ShellRun: each text is cut to 255 characters; an empty text is passed
  // as none. The owner is the main window.
  virtual void ShellRun(const std::wstring& file, const std::wstring& parameters,
                        const std::wstring& folder, int showCommand) = 0;
};
