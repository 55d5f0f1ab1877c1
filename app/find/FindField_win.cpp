#include "app/find/FindField_win.h"

#include <commctrl.h>
#include <imm.h>

namespace {

bool IsFieldKey(WPARAM key) {
  return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT || key == VK_RETURN ||
         key == VK_ESCAPE;
}

}  // namespace

LRESULT TFindField::TFieldSubclass::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND form = GetAncestor(Handle(), GA_ROOT);
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DefaultHandling(message, wParam, lParam);
    case WM_KEYDOWN:
      if (!IsFieldKey(wParam)) break;
      return SendMessageW(form, message, wParam, lParam);
    case WM_KEYUP:
      if (wParam == VK_RETURN) field_.EnterReleased();
      break;
    case WM_CHAR:
      if (wParam == L'\r' || wParam == 0x1B) return 0;  // handled as keys, without a beep
      break;
    case WM_IME_STARTCOMPOSITION:
      field_.CompositionStarted();
      break;
    case WM_IME_ENDCOMPOSITION: {
      const LRESULT result = DefaultHandling(message, wParam, lParam);
      field_.CompositionEnded(GetKeyState(VK_RETURN) < 0);
      // What the composition left in the field is filtered now.
      SendMessageW(form, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle()), EN_CHANGE),
                   reinterpret_cast<LPARAM>(Handle()));
      return result;
    }
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

// The text is emptied before the find is set, so that its change filters nothing.
void TFindField::Open(std::unique_ptr<TItemFind> find) {
  SetWindowTextW(Handle(), L"");
  find_ = std::move(find);
  ShowWindow(Handle(), SW_SHOW);
}

void TFindField::Type(wchar_t typed) {
  if (!composing_) SetFocus(Handle());
  SendMessageW(Handle(), WM_CHAR, typed, 0);
}

void TFindField::Close() {
  ShowWindow(Handle(), SW_HIDE);
  find_.reset();
  foundIcons_.Clear();
  composing_ = false;
}

void TFindField::Filter() {
  if (!find_) return;
  find_->Filter(Text());
  foundIcons_.Clear();
  for (const std::wstring& target : find_->FoundTargets()) foundIcons_.AppendIconOf(target);
  foundIcons_.RequestAll();
}

void TFindField::CompositionEnded(bool enterDown) {
  composing_ = false;
  compositionEnter_ = enterDown;
}

void TFindField::PlaceComposition(HWND focus) const {
  const HIMC context = ImmGetContext(focus);
  if (!context) return;
  POINT at{2, 2};  // where the field's text begins
  MapWindowPoints(Handle(), focus, &at, 1);
  COMPOSITIONFORM placement{};
  placement.dwStyle = CFS_POINT;
  placement.ptCurrentPos = at;
  ImmSetCompositionWindow(context, &placement);
  ImmReleaseContext(focus, context);
}
