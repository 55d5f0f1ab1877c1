#pragma once
// Shell doubles that record every start instead of starting anything, and
// special folders that answer from a table.

#include <map>
#include <string>
#include <vector>

#include "app/shortcuts/ShortcutShell.h"

struct TShellCall {
  std::wstring Verb;  // empty for ShellRun
  std::wstring File;
  std::wstring Parameters;
  std::wstring Folder;
  int ShowCommand;

  bool operator==(const TShellCall&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const TShellCall& call) {
  auto narrow = [](const std::wstring& text) {
    std::string bytes;
    for (wchar_t c : text) bytes += c < 0x80 ? static_cast<char>(c) : '?';
    return bytes;
  };
  return out << "{verb \"" << narrow(call.Verb) << "\", file \"" << narrow(call.File)
             << "\", parameters \"" << narrow(call.Parameters) << "\", folder \""
             << narrow(call.Folder) << "\", show " << call.ShowCommand << "}";
}

class RecordingShell : public IShellRunner, public IShellExecutor {
 public:
  void ShellRun(const std::wstring& file, const std::wstring& parameters,
                const std::wstring& folder, int showCommand) override {
    calls.push_back({L"", file, parameters, folder, showCommand});
  }
  void Execute(const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
               const std::wstring& folder, int showCommand) override {
    calls.push_back({verb, file, parameters, folder, showCommand});
  }

  std::vector<TShellCall> calls;
};

class TableSpecialFolders : public ISpecialFolders {
 public:
  std::wstring SpecialFolderPath(int folder) const override {
    const auto found = paths.find(folder);
    return found == paths.end() ? std::wstring() : found->second;
  }
  std::wstring WindowsFolder() const override { return windows; }

  std::map<int, std::wstring> paths;
  std::wstring windows = L"C:\\WINDOWS";
};
