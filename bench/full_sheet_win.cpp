// Writes, into the current folder, the data of the start-up figure: a
// settings file with five sheets and a full first sheet of 400 items.
#include <windows.h>

#include "app/settings/IniFile.h"
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
  TWin32FileStore store;
  const TAnsiCodec codec;
  TIniFile file(std::wstring(folder) + L"\\ZELK.ini", store, codec);
  SaveSettings(settings, file.Profile());
  file.Save();
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  TSheetBuffer sheet;
  FillFullSheet(sheet, std::wstring(system) + L"\\notepad.exe", codec);
  TSheetFiles files(folder, store);
  files.EnsureDataFolder();
  files.Save(L"一般", sheet);
  return 0;
}
