// Journey helper. "SheetTool make <sheet> <target> <params>" writes a sheet
// file with one item in slot 0 into the Data folder of the current folder;
// "SheetTool fill <sheet> <count>" writes a sheet of that many items in the
// first slots, each starting the system's notepad; "SheetTool count <sheet>"
// prints that item's use count; "SheetTool area" prints the top-left corner of
// the running window's item area on screen, and "SheetTool tabs" that of its
// sheet tabs; "SheetTool scroll" prints the item area's scroll position and
// the last position its scroll bar can take.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/form/ControlIds.h"
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

HWND FindControl(const wchar_t* className) {
  TSearch search{className, nullptr};
  EnumChildWindows(FindWindowW(L"TZELKForm", nullptr), FindChild,
                   reinterpret_cast<LPARAM>(&search));
  return search.found;
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
  if (command == L"fill" && argc == 4) {
    const TAnsiCodec codec;
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    sheet.Count = std::min(std::stoi(argv[3]), kItemLimit);
    for (int slot = 0; slot < sheet.Count; ++slot) {
      TLauncherItem& item = sheet.Items[static_cast<std::size_t>(slot)];
      EncodeField(item.Target, std::wstring(system) + L"\\notepad.exe", codec);
      EncodeField(item.Display, std::to_wstring(slot), codec);
      item.Slot = slot;
    }
    files.EnsureDataFolder();
    files.Save(argv[2], sheet);
    return 0;
  }
  if (command == L"scroll") {
    const HWND bar = GetDlgItem(FindControl(L"SysTabControl32"), kPaintBar);
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    if (!bar || !SendMessageW(bar, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info))) return 1;
    std::printf("%d %d\n", info.nPos, info.nMax - static_cast<int>(info.nPage) + 1);
    return 0;
  }
  if (command == L"count" && argc == 3) {
    files.Load(argv[2], sheet);
    std::printf("%d\n", sheet.Count > 0 ? sheet.Items[0].Count : -1);
    return 0;
  }
  if (command == L"area" || command == L"tabs") {
    const HWND control = FindControl(command == L"area" ? L"TPaintBox" : L"SysTabControl32");
    RECT rect{};
    if (!control || !GetWindowRect(control, &rect)) return 1;
    std::printf("%ld %ld\n", rect.left, rect.top);
    return 0;
  }
  return 2;
}
