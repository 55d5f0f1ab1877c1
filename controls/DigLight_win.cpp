#include "controls/DigLight_win.h"

#include <memory>

#include "base/errors/ErrorBox_win.h"
#include "base/errors/MessageBoxes_win.h"

namespace {

constexpr wchar_t kObjectProperty[] = L"ZELK.TDigLight";
constexpr DWORD kSimpleBeep = 0xFFFFFFFF;
WNDPROC editProcedure = nullptr;  // the system edit class's procedure

TWin32MessageBoxes& RealBoxes() {
  static TWin32MessageBoxes boxes;
  return boxes;
}

wchar_t LocaleCharacter(LCTYPE type, wchar_t fallback) {
  wchar_t text[8] = {};
  return GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 8) > 1 ? text[0] : fallback;
}

TNumberSeparators LocaleSeparators() {
  return {LocaleCharacter(LOCALE_STHOUSAND, L','), LocaleCharacter(LOCALE_SDECIMAL, L'.')};
}

std::wstring ClipboardText(HWND owner) {
  const TClipboardScope clipboard(owner);
  if (!clipboard.Open()) return {};
  const TGlobalLock text(GetClipboardData(CF_UNICODETEXT));
  return text.Data() ? std::wstring(static_cast<const wchar_t*>(text.Data())) : std::wstring();
}

}  // namespace

TDigLight::TDigLight()
    : number_(LocaleSeparators()),
      focusColor_(GetSysColor(COLOR_WINDOW)),
      focusBrush_(CreateSolidBrush(focusColor_)),
      boxes_(&RealBoxes()) {}

void TDigLight::RegisterDigLightClass() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, kDigLightClass, &windowClass)) return;
  // The system's edit class under another name, so that its windows get
  // their object as they are created (also from a dialog template).
  if (!GetClassInfoExW(nullptr, L"EDIT", &windowClass)) return;
  editProcedure = windowClass.lpfnWndProc;
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &ClassProcedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kDigLightClass;
  windowClass.style &= ~CS_GLOBALCLASS;
  RegisterClassExW(&windowClass);
}

TDigLight* TDigLight::Of(HWND window) {
  return static_cast<TDigLight*>(GetPropW(window, kObjectProperty));
}

LRESULT CALLBACK TDigLight::ClassProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    // Right-aligned; the multi-line style is what lets an edit align right,
    // and scrolling sideways keeps a long number from wrapping to a new line.
    auto& create = *reinterpret_cast<CREATESTRUCTW*>(lParam);
    create.style |= ES_RIGHT | ES_MULTILINE | ES_AUTOHSCROLL;
    SetWindowLongPtrW(window, GWL_STYLE, create.style);
    try {
      std::unique_ptr<TDigLight> control(new TDigLight());
      if (!control->Attach(window) || !SetPropW(window, kObjectProperty, control.get())) {
        return FALSE;
      }
      control.release();  // the window owns it until WM_NCDESTROY
    } catch (...) {
      return FALSE;
    }
  } else if (message == WM_NCDESTROY) {
    delete Of(window);
    RemovePropW(window, kObjectProperty);
  }
  return CallWindowProcW(editProcedure, window, message, wParam, lParam);
}

void TDigLight::SetDigKeta(int digits) {
  number_.SetDigKeta(digits);
  ShowNumber();
}

void TDigLight::SetDigSKeta(int decimals) {
  number_.SetDigSKeta(decimals);
  ShowNumber();
}

void TDigLight::SetOption(TOptionAttrib option) {
  number_.Option = option;
  ShowNumber();
}

void TDigLight::SetZeroDisplay(bool display) {
  number_.ZeroDisplay = display;
  ShowNumber();
}

bool TDigLight::SetMoneyHugou(std::wstring_view sign) {
  if (!number_.SetMoneyHugou(sign)) return false;
  ShowNumber();
  return true;
}

void TDigLight::SetFocusColor(COLORREF color) {
  focusColor_ = color;
  focusBrush_.Reset(CreateSolidBrush(color));
  if (focused_) InvalidateRect(Handle(), nullptr, TRUE);
}

bool TDigLight::SetValue(TCurrency value) {
  if (!number_.SetValue(value)) return false;
  ShowNumber();
  return true;
}

std::wstring TDigLight::Text() const { return WindowText(Handle()); }

LRESULT TDigLight::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const LRESULT result = DefaultHandling(message, wParam, lParam);
      if (const HWND parent = GetParent(Handle())) parentColours_.Attach(parent);
      ShowNumber();
      return result;
    }
    case WM_GETDLGCODE:
      return DialogCode(wParam, lParam);
    case WM_CHAR:
      KeyPress(static_cast<wchar_t>(wParam));
      return 0;  // no character ever reaches the edit itself
    case WM_KEYDOWN:
      return KeyDown(wParam) ? 0 : DefaultHandling(message, wParam, lParam);
    case WM_SETFOCUS: {
      const LRESULT result = DefaultHandling(message, wParam, lParam);
      FocusGained();
      return result;
    }
    case WM_KILLFOCUS: {
      // The edit's own handling first: taking the focus back below must not
      // be followed by the edit forgetting that it has it.
      const LRESULT result = DefaultHandling(message, wParam, lParam);
      FocusLost(reinterpret_cast<HWND>(wParam));
      return result;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      const LRESULT result = DefaultHandling(message, wParam, lParam);
      MouseReleased(message == WM_LBUTTONUP);
      return result;
    }
    case WM_PASTE:
      PasteClipboard();
      return 0;
    case WM_CUT:
      DefaultHandling(WM_COPY, 0, 0);
      ClearSelection();
      return 0;
    case WM_CLEAR:
      ClearSelection();
      return 0;
    case WM_UNDO:
    case EM_UNDO:
      return FALSE;  // the edit's undo would bring back a text without its number
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

void TDigLight::ReportFailure() noexcept {
  try {
    boxes_->ShowError(CurrentExceptionMessage());
  } catch (...) {
  }
}

LRESULT TDigLight::DialogCode(WPARAM, LPARAM lParam) {
  // Characters and the arrow keys (swallowed) come here; Enter and Escape
  // too, so that this control hands them on itself. Tab stays the dialog's.
  LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (message && message->message == WM_KEYDOWN &&
      (message->wParam == VK_RETURN || message->wParam == VK_ESCAPE)) {
    code |= DLGC_WANTMESSAGE;
  }
  return code;
}

void TDigLight::KeyPress(wchar_t key) {
  constexpr wchar_t kCopy = 0x03, kPaste = 0x16, kCut = 0x18;
  if (key == kCopy) {
    DefaultHandling(WM_COPY, 0, 0);
  } else if (!ReadOnly()) {
    if (key == kPaste) {
      PasteClipboard();
    } else if (key == kCut) {
      SendMessageW(Handle(), WM_CUT, 0, 0);
    } else {
      Apply(number_.PressCharacter(key, TextSelected()));
    }
  }
  if (key == VK_RETURN || key == VK_ESCAPE) HandDialogKey(key);
}

bool TDigLight::KeyDown(WPARAM key) {
  // A multi-line edit would end the dialog on Enter and Escape by itself;
  // their characters are handed on in KeyPress instead.
  if (key == VK_RETURN || key == VK_ESCAPE) return true;
  if (key == VK_INSERT && GetKeyState(VK_SHIFT) < 0) {
    PasteClipboard();  // the edit would paste by itself
    return true;
  }
  if (ReadOnly()) return false;
  if (key == VK_BACK || key == VK_DELETE) {
    Apply(number_.RemoveLastDigit(TextSelected()));
    return true;
  }
  return key >= VK_LEFT && key <= VK_DOWN;  // the caret does not move
}

void TDigLight::HandDialogKey(wchar_t key) {
  const HWND dialog = GetAncestor(Handle(), GA_ROOT);
  if (NextFocus) {
    SendMessageW(dialog, WM_NEXTDLGCTL, 0, 0);
    return;
  }
  HWND button = nullptr;
  if (key == VK_RETURN) {
    const LRESULT defaultId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(defaultId) == DC_HASDEFID) button = GetDlgItem(dialog, LOWORD(defaultId));
  } else {
    button = GetDlgItem(dialog, IDCANCEL);
  }
  // A disabled button is not clicked: the dialog disabled it for a reason.
  if (button && IsWindowEnabled(button)) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  } else {
    SelectAll();
  }
}

void TDigLight::FocusGained() {
  focused_ = true;
  InvalidateRect(Handle(), nullptr, TRUE);
  ShowNumber();
  number_.EndDecimalMode();
  if (ReadOnly()) {
    CaretToEnd();
  } else if (AutoSelect) {
    SelectAll();
  }
}

void TDigLight::FocusLost(HWND newFocus) {
  focused_ = false;
  InvalidateRect(Handle(), nullptr, TRUE);
  // Only a move to another control of the same dialog leaves the control:
  // not a dialog that closes, nor a switch to another program.
  const HWND dialog = GetAncestor(Handle(), GA_ROOT);
  if (!IsWindowVisible(Handle()) || !newFocus || GetAncestor(newFocus, GA_ROOT) != dialog) return;
  const auto violation = number_.CheckRange();
  if (!violation) return;
  boxes_->ShowError(violation->Message);
  number_.SetValue(violation->Bound);
  ShowNumber();
  SetFocus(Handle());
}

void TDigLight::MouseReleased(bool leftButton) {
  if (ReadOnly()) {
    CaretToEnd();
    return;
  }
  ShowNumber();  // the caret goes to the end, the selection with it
  number_.EndDecimalMode();
  if (leftButton && !TextSelected()) SelectAll();
}

void TDigLight::PasteClipboard() {
  if (ReadOnly()) return;
  Apply(number_.Paste(ClipboardText(Handle()), TextSelected()));
}

void TDigLight::ClearSelection() {
  if (!ReadOnly() && TextSelected()) Apply(number_.RemoveLastDigit(true));
}

void TDigLight::Apply(TInputResult result) {
  if (result == TInputResult::Changed) ShowNumber();
  if (result == TInputResult::Refused) MessageBeep(kSimpleBeep);
}

void TDigLight::ShowNumber() {
  if (!Handle()) return;
  const std::wstring text = number_.Text();
  SetWindowTextW(Handle(), text.c_str());
  CaretToEnd();
}

void TDigLight::CaretToEnd() {
  const auto end = static_cast<WPARAM>(GetWindowTextLengthW(Handle()));
  SendMessageW(Handle(), EM_SETSEL, end, static_cast<LPARAM>(end));
}

void TDigLight::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

bool TDigLight::ReadOnly() const {
  return (GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_READONLY) != 0;
}

bool TDigLight::TextSelected() const {
  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return start != end;
}

LRESULT TDigLight::TParentColours::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT answer = DefaultHandling(message, wParam, lParam);
  if ((message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) &&
      reinterpret_cast<HWND>(lParam) == control_.Handle() && control_.focused_) {
    SetBkColor(reinterpret_cast<HDC>(wParam), control_.focusColor_);
    return reinterpret_cast<LRESULT>(control_.focusBrush_.Get());
  }
  return answer;
}
