#pragma once
// Where the quick bar's icons come from: a file and an icon index each.

#include <array>
#include <string>
#include <string_view>

struct TIconSource {
  std::wstring File;
  int Index;
};

struct TSystemVersion {
  int PlatformId;  // 1: the Windows 9x family, 2: the NT family
  int Major;
  int Minor;
};

// The registry key, under HKEY_CLASSES_ROOT, whose default value is the
// command that opens the Internet object.
inline constexpr wchar_t kInternetOpenCommandKey[] =
    L"CLSID\\{871C5380-42A0-1069-A2EA-08002B30309D}\\shell\\OpenHomePage\\Command";

// The program of a command line: a quoted program ends at its closing quote,
// whatever parameters follow; an unquoted command is taken whole.
[[nodiscard]] std::wstring ProgramOfCommand(std::wstring_view command);

// In the order of kQuickBar.
[[nodiscard]] std::array<TIconSource, 5> QuickBarIconSources(std::wstring_view windowsFolder,
                                                             const TSystemVersion& version,
                                                             std::wstring_view internetCommand);
