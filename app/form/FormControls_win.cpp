#include "app/form/FormControls_win.h"

#include <commctrl.h>

void TFormControls::Create(HWND form) {
  form_ = form;
  // The form's font: "ＭＳ Ｐゴシック", 12 pixels.
  font_.Reset(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                          L"ＭＳ Ｐゴシック"));
  SendMessageW(form_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                             0, 0, 0, form_, nullptr, nullptr, nullptr);
  // The application's hint pause.
  SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, 500);
}

HWND TFormControls::Add(int id, HWND window, const wchar_t* hint) {
  controls_[id] = window;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  if (hint) {
    hints_[window] = hint;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form_;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    tool.lpszText = const_cast<wchar_t*>(hints_[window].c_str());
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  return window;
}

HWND TFormControls::Control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

std::wstring TFormControls::HintAt(HWND window) const {
  for (; window && window != form_; window = GetParent(window)) {
    const auto found = hints_.find(window);
    if (found != hints_.end()) return found->second;
  }
  return {};
}

HWND CreateChildControl(const wchar_t* className, const wchar_t* text, DWORD style, HWND parent,
                        int id, RECT bounds) {
  return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
                         bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                         nullptr);
}

HWND CreateFlatButton(HWND parent, int id, const wchar_t* text, RECT bounds, bool toggle) {
  const DWORD style = toggle ? (BS_AUTOCHECKBOX | BS_PUSHLIKE) : BS_PUSHBUTTON;
  return CreateChildControl(WC_BUTTONW, text, style | BS_FLAT, parent, id, bounds);
}

bool IsShown(HWND window) { return GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE; }
