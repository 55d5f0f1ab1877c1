#include "app/form/Panel_win.h"

#include "app/paint/ColorRef_win.h"

namespace {

struct TPanelLook {
  TColor color;
  bool beveled;
};

LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  auto* look = reinterpret_cast<TPanelLook*>(GetWindowLongPtrW(panel, GWLP_USERDATA));
  LRESULT forwarded = 0;
  if (ForwardToMainWindow(panel, message, wParam, lParam, forwarded)) return forwarded;
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(panel, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(
          static_cast<CREATESTRUCTW*>(reinterpret_cast<void*>(lParam))->lpCreateParams));
      break;
    case WM_NCDESTROY:
      delete look;
      SetWindowLongPtrW(panel, GWLP_USERDATA, 0);
      break;
    case WM_ERASEBKGND: {
      if (!look) break;
      RECT client;
      GetClientRect(panel, &client);
      const HBRUSH brush = CreateSolidBrush(ToColorRef(look->color));
      FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
      DeleteObject(brush);
      if (look->beveled) {
        DrawEdge(reinterpret_cast<HDC>(wParam), &client, BDR_RAISEDOUTER | BDR_SUNKENINNER, BF_RECT);
      }
      return 1;
    }
    default:
      break;
  }
  return DefWindowProcW(panel, message, wParam, lParam);
}

}  // namespace

bool ForwardToMainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      result = SendMessageW(GetAncestor(window, GA_ROOT), message, wParam, lParam);
      return true;
    default:
      return false;
  }
}

void RegisterPanelClass(HINSTANCE instance) {
  WNDCLASSEXW panelClass{};
  panelClass.cbSize = sizeof panelClass;
  panelClass.lpfnWndProc = PanelProc;
  panelClass.hInstance = instance;
  panelClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  panelClass.lpszClassName = kPanelClass;
  RegisterClassExW(&panelClass);
}

HWND CreatePanel(HWND parent, int id, TColor color, bool beveled) {
  // The look is owned by the panel and freed when it is destroyed.
  auto* look = new TPanelLook{color, beveled};
  const HWND panel = CreateWindowExW(0, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                         0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), look);
  if (!panel) delete look;
  return panel;
}

void SetPanelColor(HWND panel, TColor color) {
  auto* look = reinterpret_cast<TPanelLook*>(GetWindowLongPtrW(panel, GWLP_USERDATA));
  if (!look) return;
  look->color = color;
  InvalidateRect(panel, nullptr, TRUE);
}
