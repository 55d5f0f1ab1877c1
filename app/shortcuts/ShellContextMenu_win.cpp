#include "app/shortcuts/ShellContextMenu_win.h"

#include <shlobj.h>

#include <memory>

#include "app/shortcuts/ShellObjectText.h"

namespace {

// Owns one reference of a COM interface.
template <typename T>
class TComRef {
 public:
  TComRef() = default;
  ~TComRef() {
    if (pointer_) pointer_->Release();
  }
  TComRef(const TComRef&) = delete;
  TComRef& operator=(const TComRef&) = delete;
  T* operator->() const { return pointer_; }
  T* Get() const { return pointer_; }
  void** Out() {
    if (pointer_) pointer_->Release();
    pointer_ = nullptr;
    return reinterpret_cast<void**>(&pointer_);
  }

 private:
  T* pointer_ = nullptr;
};

struct TIdListFree {
  void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using TIdList = std::unique_ptr<ITEMIDLIST, TIdListFree>;

// The menu being shown and the owner's own window procedure. Process-wide:
// the subclass procedure has nothing else to reach them by.
IContextMenu2* shownMenu = nullptr;  // not owned: held by ShellContextMenu
WNDPROC ownerProc = nullptr;

LRESULT CALLBACK MenuOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (shownMenu &&
      (message == WM_DRAWITEM || message == WM_MEASUREITEM || message == WM_INITMENUPOPUP)) {
    shownMenu->HandleMenuMsg(message, wParam, lParam);
    return 0;
  }
  return CallWindowProcW(ownerProc, window, message, wParam, lParam);
}

TIdList Parse(IShellFolder& folder, HWND owner, const std::wstring& name) {
  ITEMIDLIST* list = nullptr;
  std::wstring text = name;  // ParseDisplayName takes a writable text
  if (FAILED(folder.ParseDisplayName(owner, nullptr, text.data(), nullptr, &list, nullptr))) {
    return nullptr;
  }
  return TIdList(list);
}

// The item identifier list of the text, relative to `parent`, which is set
// to the folder holding it.
TIdList ItemOf(IShellFolder& desktop, HWND owner, const std::wstring& text,
               TComRef<IShellFolder>& parent) {
  const TShellObjectText split = SplitShellObjectText(text);
  if (split.SpecialFolder >= 0 || split.Folder.empty()) {
    desktop.AddRef();
    *parent.Out() = &desktop;
    if (split.SpecialFolder < 0) return Parse(desktop, owner, split.Name);
    ITEMIDLIST* list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, split.SpecialFolder, &list))) return nullptr;
    return TIdList(list);
  }
  const TIdList folder = Parse(desktop, owner, split.Folder);
  if (!folder ||
      FAILED(desktop.BindToObject(folder.get(), nullptr, IID_IShellFolder, parent.Out()))) {
    return nullptr;
  }
  return Parse(*parent.Get(), owner, split.Name);
}

void TrackAndInvoke(HWND owner, IContextMenu2& menu) {
  const HMENU popup = CreatePopupMenu();
  if (!popup) return;
  if (SUCCEEDED(menu.QueryContextMenu(popup, 0, 1, 0x7FFF, CMF_EXPLORE))) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const int id = static_cast<int>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x,
                                                   cursor.y, 0, owner, nullptr));
    if (id != 0) {
      CMINVOKECOMMANDINFO command{};
      command.cbSize = sizeof command;
      command.hwnd = owner;
      command.lpVerb = MAKEINTRESOURCEA(id - 1);
      command.nShow = SW_SHOWNORMAL;
      menu.InvokeCommand(&command);
    }
  }
  DestroyMenu(popup);
}

void ShowMenu(HWND owner, IContextMenu2& menu) {
  shownMenu = &menu;
  ownerProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MenuOwnerProc)));
  TrackAndInvoke(owner, menu);
  SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ownerProc));
  shownMenu = nullptr;
  ownerProc = nullptr;
}

void BuildAndShow(HWND owner, const std::vector<std::wstring>& texts) {
  TComRef<IShellFolder> desktop;
  if (FAILED(SHGetDesktopFolder(reinterpret_cast<IShellFolder**>(desktop.Out())))) return;
  TComRef<IShellFolder> parent;
  std::vector<TIdList> items;
  for (const std::wstring& text : texts) {
    items.push_back(ItemOf(*desktop.Get(), owner, text, parent));
    if (!items.back()) return;
  }
  std::vector<LPCITEMIDLIST> lists;
  for (const auto& item : items) lists.push_back(item.get());
  TComRef<IContextMenu> menu;
  TComRef<IContextMenu2> menu2;
  if (lists.empty() ||
      FAILED(parent->GetUIObjectOf(owner, static_cast<UINT>(lists.size()), lists.data(),
                                   IID_IContextMenu, nullptr, menu.Out())) ||
      FAILED(menu->QueryInterface(IID_IContextMenu2, menu2.Out()))) {
    return;
  }
  ShowMenu(owner, *menu2.Get());
}

}  // namespace

void ShellContextMenu(HWND owner, const std::vector<std::wstring>& texts) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  BuildAndShow(owner, texts);
  if (SUCCEEDED(com)) CoUninitialize();
}
