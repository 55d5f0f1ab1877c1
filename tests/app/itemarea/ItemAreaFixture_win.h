#pragma once
// A shown main window whose first sheet holds the given items, each
// targeting a real program so that the shell has its icon.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "app/form/ControlIds.h"
#include "app/sheets/SheetFiles.h"
#include "base/text/AnsiCodec_win.h"
#include "base/text/AnsiField.h"
#include "tests/app/form/FormFixture_win.h"

inline std::wstring SystemFile(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\" + name;
}

struct ItemArea {
  FormFixture f;
  TZELKForm* form = nullptr;
  HWND area = nullptr;

  ItemArea(const std::string& settings, const std::vector<std::pair<std::wstring, int>>& items) {
    f.WriteSettings("[\x90\xDD\x92\xE8]\r\n" + settings);
    CreateDirectoryW(f.ProgramFile(L"Data").c_str(), nullptr);
    TSheetBuffer sheet;
    const TAnsiCodec codec;
    for (const auto& [display, slot] : items) {
      TLauncherItem& item = sheet.Items[static_cast<std::size_t>(sheet.Count++)];
      EncodeField(item.Target, SystemFile(L"notepad.exe"), codec);
      EncodeField(item.Params, L"/p " + display, codec);
      EncodeField(item.Display, display, codec);
      item.Slot = slot;
    }
    const auto bytes = SheetFileBytes(sheet);
    WriteBytes(f.ProgramFile(L"Data\\一般"), {bytes.begin(), bytes.end()});
    form = &f.Create();
    ShowWindow(form->Handle(), SW_SHOW);
    SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    area = form->Control(kPAria);
    UpdateWindow(area);  // the first paint sets the cell width
  }
  // The centre of a cell of the 3-column grid.
  LPARAM Cell(int column, int row) const {
    RECT client;
    GetClientRect(area, &client);
    const int width = (client.right - 3) / 3;
    return MAKELPARAM(column * width + width / 2, row * form->PAria().CellHeight() + 10);
  }
  void Send(UINT message, LPARAM at) const { SendMessageW(area, message, 0, at); }
  void Click(LPARAM at) const {
    Send(WM_LBUTTONDOWN, at);
    Send(WM_LBUTTONUP, at);
  }
  std::vector<std::wstring> Displays() const {
    std::vector<std::wstring> names;
    for (int slot = 0; slot < 9; ++slot) {
      const int index = form->Sheet().Buffer().ItemAtSlot(slot);
      names.push_back(
          index < 0
              ? L"-"
              : DecodeField(form->Sheet().Buffer().Items[static_cast<std::size_t>(index)].Display,
                            TAnsiCodec()));
    }
    return names;
  }
};
