// Journey helper. "SheetTool make <sheet> <target> <params>" writes a sheet
// file with one item in slot 0 into the Data folder of the current folder
// ("SheetTool fill <sheet> <target> <n>": n such items in slots 0 ... n - 1);
// "SheetTool count <sheet>" prints that item's use count; "SheetTool area"
// prints the top-left corner of the running window's item area on screen, and
// "SheetTool tabs" that of its sheet tabs.
#include <windows.h>

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
  if ((command == L"make" || command == L"fill") && argc == 5) {
    const TAnsiCodec codec;
    sheet.Count = command == L"make" ? 1 : std::stoi(argv[4]);
    for (int i = 0; i < sheet.Count; ++i) {
      TLauncherItem& item = sheet.Items[static_cast<std::size_t>(i)];
      EncodeField(item.Target, argv[3], codec);
      if (command == L"make") EncodeField(item.Params, argv[4], codec);
      EncodeField(item.Display, L"記録", codec);
      item.Slot = i;
    }
    files.EnsureDataFolder();
    files.Save(argv[2], sheet);
    return 0;
  }
  if (command == L"count" && argc == 3) {
    files.Load(argv[2], sheet);
    std::printf("%d\n", sheet.Count > 0 ? sheet.Items[0].Count : -1);
    return 0;
  }
  if (command == L"area" || command == L"tabs") {
    TSearch search{command == L"area" ? L"TPaintBox" : L"SysTabControl32", nullptr};
    EnumChildWindows(FindWindowW(L"TZELKForm", nullptr), FindChild, reinterpret_cast<LPARAM>(&search));
    RECT rect{};
    if (!search.found || !GetWindowRect(search.found, &rect)) return 1;
    std::printf("%ld %ld\n", rect.left, rect.top);
    return 0;
  }
  return 2;
}
