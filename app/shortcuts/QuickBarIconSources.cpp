#include "app/shortcuts/QuickBarIconSources.h"

std::wstring ProgramOfCommand(std::wstring_view command) {
  if (!command.starts_with(L'"')) return std::wstring(command);
  command.remove_prefix(1);
  return std::wstring(command.substr(0, command.find(L'"')));
}

std::array<TIconSource, 5> QuickBarIconSources(std::wstring_view windowsFolder,
                                               const TSystemVersion& version,
                                               std::wstring_view internetCommand) {
  const std::wstring windows(windowsFolder);
  const std::wstring system = windows + (version.PlatformId == 1 ? L"\\System\\" : L"\\System32\\");
  const bool windowsXp = version.Major == 5 && version.Minor == 1;
  return {{
      {system + L"mydocs.dll", 0},
      {windows + L"\\explorer.exe", 0},
      {system + L"shell32.dll", 17},
      {ProgramOfCommand(internetCommand), 0},
      {system + L"shell32.dll", windowsXp ? 21 : 35},
  }};
}
