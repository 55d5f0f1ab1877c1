#pragma once
// The shell's folder browser answered without its window: a hidden
// stand-in window takes the component's messages, the selection moves as
// told, and the user confirms a folder or cancels.

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

#include "base/text/Paths.h"
#include "base/win32/Handles_win.h"
#include "controls/SHBFFEX_win.h"

inline TItemIdList SpecialItem(int specialFolder) {
  LPITEMIDLIST item = nullptr;
  SHGetSpecialFolderLocation(nullptr, specialFolder, &item);
  return TItemIdList(item);
}

// An item as the tests name it: "<desktop>", "<drives>" or its path.
inline std::wstring Describe(LPCITEMIDLIST item) {
  static const TItemIdList desktop = SpecialItem(CSIDL_DESKTOP);
  static const TItemIdList drives = SpecialItem(CSIDL_DRIVES);
  if (!item) return L"<none>";
  if (ILIsEqual(item, desktop.Get())) return L"<desktop>";
  if (ILIsEqual(item, drives.Get())) return L"<drives>";
  wchar_t path[MAX_PATH] = {};
  SHGetPathFromIDListW(item, path);
  return path;
}

class TAnsweringBrowser : public IFolderBrowserDialog {
 public:
  std::vector<std::wstring> selections;  // reported one after the other
  std::optional<std::wstring> choice;    // none: the user cancels

  // What the component asked and sent.
  BROWSEINFOW info{};
  std::wstring title, root, initialSelection = L"<none>";
  std::vector<std::wstring> statusTexts;
  std::vector<LPARAM> enableOk;
  RECT bounds{};
  HWND standIn = nullptr;
  bool ownerEnabledWhileShown = true;

  LPITEMIDLIST Browse(BROWSEINFOW& asked) override {
    info = asked;
    title = asked.lpszTitle ? asked.lpszTitle : L"";
    root = Describe(asked.pidlRoot);
    ownerEnabledWhileShown = asked.hwndOwner && IsWindowEnabled(asked.hwndOwner);
    standIn = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 700, 500, 300, 200, nullptr, nullptr,
                              nullptr, nullptr);
    SetWindowSubclass(standIn, &Record, 0, reinterpret_cast<DWORD_PTR>(this));
    asked.lpfn(standIn, BFFM_INITIALIZED, 0, asked.lParam);
    for (const std::wstring& path : selections) {
      const TItemIdList item(ILCreateFromPathW(path.c_str()));
      asked.lpfn(standIn, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(item.Get()), asked.lParam);
    }
    GetWindowRect(standIn, &bounds);
    RemoveWindowSubclass(standIn, &Record, 0);
    DestroyWindow(standIn);
    if (!choice) return nullptr;
    lstrcpynW(asked.pszDisplayName, FileNameOf(*choice).c_str(), MAX_PATH);
    return ILCreateFromPathW(choice->c_str());
  }

 private:
  static LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR data) noexcept {
    auto& self = *reinterpret_cast<TAnsweringBrowser*>(data);
    if (message == BFFM_SETSELECTIONW && !wParam) {
      self.initialSelection = Describe(reinterpret_cast<LPCITEMIDLIST>(lParam));
    } else if (message == BFFM_SETSTATUSTEXTW) {
      self.statusTexts.emplace_back(reinterpret_cast<const wchar_t*>(lParam));
    } else if (message == BFFM_ENABLEOK) {
      self.enableOk.push_back(lParam);
    } else {
      return DefSubclassProc(window, message, wParam, lParam);
    }
    return 0;
  }
};
