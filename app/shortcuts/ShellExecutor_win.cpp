#include "app/shortcuts/ShellExecutor_win.h"

#include <shellapi.h>

namespace {
const wchar_t* OrNone(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }
}  // namespace

void TWin32ShellExecutor::Execute(const std::wstring& verb, const std::wstring& file,
                                  const std::wstring& parameters, const std::wstring& folder,
                                  int showCommand) {
  ShellExecuteW(owner_ ? *owner_ : nullptr, OrNone(verb), file.c_str(), OrNone(parameters),
                OrNone(folder), showCommand);
}
