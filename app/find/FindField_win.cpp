#include "app/find/FindField_win.h"

#include <commctrl.h>

namespace {

bool IsFieldKey(WPARAM key) {
  return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT || key == VK_RETURN ||
         key == VK_ESCAPE;
}

}  // namespace

LRESULT TFindField::TFieldSubclass::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DefaultHandling(message, wParam, lParam);
    case WM_KEYDOWN:
      if (!IsFieldKey(wParam)) break;
      return SendMessageW(GetAncestor(Handle(), GA_ROOT), message, wParam, lParam);
    case WM_CHAR:
      if (wParam == L'\r' || wParam == 0x1B) return 0;  // handled as keys, without a beep
      break;
    default:
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

void TFindField::Create(HWND panel, int id, TFormControls& controls) {
  const HWND edit =
      controls.Add(id, CreateChildControl(WC_EDITW, L"", WS_BORDER | ES_AUTOHSCROLL, panel, id));
  ShowWindow(edit, SW_HIDE);
  subclass_.Attach(edit);
}

void TFindField::Open(std::unique_ptr<TItemFind> find, wchar_t typed) {
  find_ = std::move(find);
  const wchar_t text[] = {typed, L'\0'};
  SetWindowTextW(Handle(), text);
  SendMessageW(Handle(), EM_SETSEL, 1, 1);
  ShowWindow(Handle(), SW_SHOW);
  SetFocus(Handle());
}

void TFindField::Type(wchar_t typed) {
  SetFocus(Handle());
  SendMessageW(Handle(), WM_CHAR, typed, 0);
}

void TFindField::Close() {
  ShowWindow(Handle(), SW_HIDE);
  find_.reset();
  foundIcons_.Clear();
}

void TFindField::Filter() {
  if (!find_) return;
  find_->Filter(WindowText(Handle()));
  foundIcons_.Clear();
  for (const std::wstring& target : find_->FoundTargets()) foundIcons_.AppendIconOf(target);
  foundIcons_.RequestAll();
}
