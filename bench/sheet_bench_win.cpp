// Figures on Windows: the sheet file on disk, icons from the shell.
#include <windows.h>

#include "app/sheets/FileStore_win.h"
#include "app/sheets/IconList_win.h"
#include "base/text/AnsiCodec_win.h"
#include "bench/SheetBench.h"
#include "tests/support/TempFolder_win.h"

int main() {
  TTempFolder folder;
  TWin32FileStore store;
  TSheetFiles files(folder.Path(), store);
  files.EnsureDataFolder();
  TIconCache cache;
  TSheetIcons icons(cache);
  TAnsiCodec codec;
  TCurrentSheet sheet(files, icons, codec);
  sheet.Load(L"一般", {});
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  RunSheetBench("Wine", sheet, std::wstring(system) + L"\\notepad.exe");
}
