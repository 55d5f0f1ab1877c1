// Figures for the save at every close: the settings file and the DATA.INI
// export of a 400-item sheet, written key by key through the system's
// private-profile interface (each key rewrites the file) against written in
// one go through the INI document. Prints medians; never a pass or fail.
#include <windows.h>

#include <cstdio>

#include "app/settings/PrivateProfile_win.h"
#include "app/settings/SettingsFiles.h"
#include "app/sheets/DataIni.h"
#include "app/sheets/FileStore_win.h"
#include "base/text/AnsiCodec_win.h"
#include "bench/SheetBench.h"
#include "tests/support/TempFolder_win.h"

int main() {
  TTempFolder folder;
  const TSettingsFilePaths paths{folder.File(L"ZELK.ini"), folder.File(L"DATA.INI")};
  TWin32FileStore store;
  const TAnsiCodec codec;
  TSettings settings;
  settings.SheetNames = DefaultSheetNames();
  TSheetBuffer sheet;
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  FillFullSheet(sheet, std::wstring(system) + L"\\notepad.exe", codec);

  const double keyByKey = MedianMilliseconds(3, [&] {
    TPrivateProfile settingsFile(paths.SettingsFile);
    SaveSettings(settings, settingsFile);
    TPrivateProfile dataIni(paths.DataIni);
    WriteDataIni(sheet, dataIni, codec);
  });
  TToldFailures told;
  const double inOneGo = MedianMilliseconds(
      21, [&] { static_cast<void>(SaveSettingsFiles(settings, sheet, paths, store, codec, told)); });
  std::printf("Wine: settings + DATA.INI of 400 items, key by key: %.1f ms (median of 3)\n",
              keyByKey);
  std::printf("Wine: settings + DATA.INI of 400 items, in one go: %.2f ms (median of 21)\n",
              inOneGo);
}
