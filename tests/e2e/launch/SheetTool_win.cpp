// Journey helper. "SheetTool make <sheet> <target> <params>" writes a sheet
// file with one item in slot 0 into the Data folder of the current folder;
// "SheetTool count <sheet>" prints that item's use count; "SheetTool area"
// prints the top-left corner of the running window's item area on screen,
// "SheetTool tabs" that of its sheet tabs and "SheetTool tabcount" how many
// sheet tabs it shows.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/sheets/FileStore_win.h"
#include "app/sheets/SheetFiles.h"
#include "base/text/AnsiCodec_win.h"
#include "base/text/AnsiField.h"

namespace {

std::wstring CurrentFolder() {
  wchar_t folder[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, folder);
  return folder;
}

struct TSearch {
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK FindChild(HWND window, LPARAM search) {
  auto* wanted = reinterpret_cast<TSearch*>(search);
  wchar_t name[64];
  GetClassNameW(window, name, 64);
  if (std::wstring(name) != wanted->className) return TRUE;
  wanted->found = window;
  return FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  TWin32FileStore store;
  TSheetFiles files(CurrentFolder(), store);
  TSheetBuffer sheet;
  if (command == L"make" && argc == 5) {
    const TAnsiCodec codec;
    EncodeField(sheet.Items[0].Target, argv[3], codec);
    EncodeField(sheet.Items[0].Params, argv[4], codec);
    EncodeField(sheet.Items[0].Display, L"記録", codec);
    sheet.Items[0].Slot = 0;
    sheet.Count = 1;
    files.EnsureDataFolder();
    files.Save(argv[2], sheet);
    return 0;
  }
  if (command == L"count" && argc == 3) {
    files.Load(argv[2], sheet);
    std::printf("%d\n", sheet.Count > 0 ? sheet.Items[0].Count : -1);
    return 0;
  }
  if (command == L"area" || command == L"tabs" || command == L"tabcount") {
    TSearch search{command == L"area" ? L"TPaintBox" : L"SysTabControl32", nullptr};
    EnumChildWindows(FindWindowW(L"TZELKForm", nullptr), FindChild, reinterpret_cast<LPARAM>(&search));
    if (command == L"tabcount" && search.found) {
      std::printf("%d\n", static_cast<int>(SendMessageW(search.found, TCM_GETITEMCOUNT, 0, 0)));
      return 0;
    }
    RECT rect{};
    if (!search.found || !GetWindowRect(search.found, &rect)) return 1;
    std::printf("%ld %ld\n", rect.left, rect.top);
    return 0;
  }
  return 2;
}
