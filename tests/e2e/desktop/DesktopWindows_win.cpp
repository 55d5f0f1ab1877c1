#include "tests/e2e/desktop/DesktopWindows_win.h"

#include <commctrl.h>

namespace {

void AddWindowClass(const wchar_t* name, WNDPROC procedure, int colour) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(colour + 1));
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);  // fails harmlessly when registered already
}

void AddWindowClasses() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  AddWindowClass(L"Progman", DefWindowProcW, COLOR_DESKTOP);
  AddWindowClass(L"WorkerW", DefWindowProcW, COLOR_DESKTOP);
  AddWindowClass(L"SHELLDLL_DefView", DefWindowProcW, COLOR_DESKTOP);
  AddWindowClass(L"Internet Explorer_Server", DefWindowProcW, COLOR_INFOBK);
}

HWND TopLevel(const wchar_t* className, const wchar_t* caption, int width, int height,
              DWORD visible) {
  return CreateWindowExW(WS_EX_TOOLWINDOW, className, caption, WS_POPUP | visible, 0, 0, width,
                         height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND Child(const wchar_t* className, HWND parent, int x, int width, int height, DWORD style = 0) {
  return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, x, 0, width, height,
                         parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND IconView(HWND defView, int width, int height) {
  HWND list =
      Child(WC_LISTVIEWW, defView, 0, width, height, LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS);
  // Owned by the list view, which destroys it with itself.
  HIMAGELIST icons = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 0);
  ImageList_AddIcon(icons, LoadIconW(nullptr, IDI_APPLICATION));
  SendMessageW(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(icons));
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  wchar_t text[] = L"Icon";
  item.pszText = text;
  SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return list;
}

}  // namespace

TStandInDesktop CreateStandInDesktop(TDesktopShape shape, int width, int height) {
  AddWindowClasses();
  const bool workerw = shape == TDesktopShape::WorkerW;
  TStandInDesktop desktop;
  desktop.Progman = TopLevel(L"Progman", L"Program Manager", width, height,
                             workerw ? 0 : WS_VISIBLE);
  desktop.Holder = workerw ? TopLevel(L"WorkerW", L"", width, height, WS_VISIBLE)
                           : desktop.Progman;
  desktop.DefView = Child(L"SHELLDLL_DefView", desktop.Holder, 0, width, height);
  desktop.IconView = IconView(desktop.DefView, workerw ? width / 2 : width, height);
  if (workerw) {
    desktop.WebView =
        Child(L"Internet Explorer_Server", desktop.DefView, width / 2, width / 2, height);
  }
  UpdateWindow(desktop.Holder);
  return desktop;
}

void DestroyStandInDesktop(const TStandInDesktop& desktop) {
  if (desktop.Holder != desktop.Progman) DestroyWindow(desktop.Holder);
  DestroyWindow(desktop.Progman);
}

POINT IconCentre(const TStandInDesktop& desktop) {
  RECT icon{};
  icon.left = LVIR_ICON;
  SendMessageW(desktop.IconView, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&icon));
  POINT centre{(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
  ClientToScreen(desktop.IconView, &centre);
  return centre;
}
