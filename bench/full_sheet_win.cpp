// Writes, into the current folder, the data of the start-up figure: a
// settings file with five sheets and a full first sheet of 400 items.
#include <windows.h>

#include "app/settings/PrivateProfile_win.h"
#include "app/settings/Settings.h"
#include "app/sheets/FileStore_win.h"
#include "app/sheets/SheetFiles.h"
#include "base/text/AnsiCodec_win.h"
#include "bench/SheetBench.h"

int main() {
  wchar_t folder[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, folder);
  TSettings settings;
  settings.SheetNames = DefaultSheetNames();
  {
    TProfileTransaction file(std::wstring(folder) + L"\\ZELK.ini");
    SaveSettings(settings, file.Profile());
    if (!file.Commit()) return 1;
  }
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  TSheetBuffer sheet;
  FillFullSheet(sheet, std::wstring(system) + L"\\notepad.exe", TAnsiCodec());
  TWin32FileStore store;
  TSheetFiles files(folder, store);
  files.EnsureDataFolder();
  files.Save(L"一般", sheet);
  return 0;
}
