#include "app/shortcuts/ShellRunner_win.h"

#include <shellapi.h>

namespace {

// Each text goes through a 256-character buffer: at most 255 characters.
std::wstring Cut(const std::wstring& text) { return text.substr(0, 255); }

const wchar_t* OrNone(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

void TWin32ShellRunner::ShellRun(const std::wstring& file, const std::wstring& parameters,
                                 const std::wstring& folder, int showCommand) {
  const std::wstring cutFile = Cut(file), cutParameters = Cut(parameters), cutFolder = Cut(folder);
  ShellExecuteW(owner_, nullptr, cutFile.c_str(), OrNone(cutParameters), OrNone(cutFolder),
                showCommand);
}

void TWin32ShellRunner::Execute(const std::wstring& verb, const std::wstring& file,
                                const std::wstring& parameters, const std::wstring& folder,
                                int showCommand) {
  ShellExecuteW(owner_, OrNone(verb), file.c_str(), OrNone(parameters), OrNone(folder),
                showCommand);
}
