#include "app/shortcuts/ShellContextMenu_win.h"

#include <shlobj.h>

#include "app/shortcuts/ShellObjectText.h"
#include "base/win32/Handles_win.h"
#include "base/win32/Window_win.h"

namespace {

// The owner window while the menu is shown: owner-drawn entries and submenus
// are the shell menu's to draw and fill.
class TMenuOwner final : public TSubclass {
 public:
  explicit TMenuOwner(IContextMenu2& menu) : menu_(menu) {}

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DRAWITEM || message == WM_MEASUREITEM || message == WM_INITMENUPOPUP) {
      menu_.HandleMenuMsg(message, wParam, lParam);
      return 0;
    }
    return DefaultHandling(message, wParam, lParam);
  }

  IContextMenu2& menu_;  // not owned: held by BuildAndShow
};

TItemIdList Parse(IShellFolder& folder, HWND owner, const std::wstring& name) {
  ITEMIDLIST* list = nullptr;
  std::wstring text = name;  // ParseDisplayName takes a writable text
  if (FAILED(folder.ParseDisplayName(owner, nullptr, text.data(), nullptr, &list, nullptr))) {
    return {};
  }
  return TItemIdList(list);
}

// The item identifier list of the text, relative to `parent`, which is set
// to the folder holding it.
TItemIdList ItemOf(IShellFolder& desktop, HWND owner, const std::wstring& text,
               TComPtr<IShellFolder>& parent) {
  const TShellObjectText split = SplitShellObjectText(text);
  if (split.SpecialFolder >= 0 || split.Folder.empty()) {
    desktop.AddRef();
    parent = TComPtr<IShellFolder>(&desktop);
    if (split.SpecialFolder < 0) return Parse(desktop, owner, split.Name);
    ITEMIDLIST* list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, split.SpecialFolder, &list))) return {};
    return TItemIdList(list);
  }
  const TItemIdList folder = Parse(desktop, owner, split.Folder);
  if (!folder ||
      FAILED(desktop.BindToObject(folder.Get(), nullptr, IID_IShellFolder, parent.PutVoid()))) {
    return {};
  }
  return Parse(*parent.Get(), owner, split.Name);
}

void TrackAndInvoke(HWND owner, IContextMenu2& menu) {
  const TMenu popup(CreatePopupMenu());
  if (!popup || FAILED(menu.QueryContextMenu(popup.Get(), 0, 1, 0x7FFF, CMF_EXPLORE))) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const int id = static_cast<int>(TrackPopupMenu(popup.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                 cursor.x, cursor.y, 0, owner, nullptr));
  if (id == 0) return;
  CMINVOKECOMMANDINFO command{};
  command.cbSize = sizeof command;
  command.hwnd = owner;
  command.lpVerb = MAKEINTRESOURCEA(id - 1);
  command.nShow = SW_SHOWNORMAL;
  menu.InvokeCommand(&command);
}

void BuildAndShow(HWND owner, const std::vector<std::wstring>& texts) {
  TComPtr<IShellFolder> desktop;
  if (FAILED(SHGetDesktopFolder(desktop.Put()))) return;
  TComPtr<IShellFolder> parent;
  std::vector<TItemIdList> items;
  for (const std::wstring& text : texts) {
    items.push_back(ItemOf(*desktop.Get(), owner, text, parent));
    if (!items.back()) return;
  }
  std::vector<LPCITEMIDLIST> lists;
  for (const auto& item : items) lists.push_back(item.Get());
  TComPtr<IContextMenu> menu;
  TComPtr<IContextMenu2> menu2;
  if (lists.empty() ||
      FAILED(parent->GetUIObjectOf(owner, static_cast<UINT>(lists.size()), lists.data(),
                                   IID_IContextMenu, nullptr, menu.PutVoid())) ||
      FAILED(menu->QueryInterface(IID_IContextMenu2, menu2.PutVoid()))) {
    return;
  }
  TMenuOwner menuOwner(*menu2.Get());
  menuOwner.Attach(owner);
  TrackAndInvoke(owner, *menu2.Get());
}

}  // namespace

void ShellContextMenu(HWND owner, const std::vector<std::wstring>& texts) {
  const TComApartment com;
  BuildAndShow(owner, texts);
}
