#include "app/launch/ShellRunner_win.h"

#include <shellapi.h>

namespace {
// Each text goes through a buffer of 256 characters.
std::wstring Cut(const std::wstring& text) { return text.substr(0, 255); }
}  // namespace

void TWin32ShellRunner::ShellRun(const std::wstring& file, const std::wstring& parameters,
                                 const std::wstring& folder, int showCommand) {
  const std::wstring cutFile = Cut(file);
  const std::wstring cutParameters = Cut(parameters);
  const std::wstring cutFolder = Cut(folder);
  ShellExecuteW(owner_ ? *owner_ : nullptr, nullptr, cutFile.c_str(),
                cutParameters.empty() ? nullptr : cutParameters.c_str(),
                cutFolder.empty() ? nullptr : cutFolder.c_str(), showCommand);
}
