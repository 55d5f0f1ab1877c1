#include "app/form/FormControls_win.h"

#include <commctrl.h>

#include "app/form/Metrics.h"

void TFormControls::Create(HWND form, TScale scale) {
  form_ = form;
  SetScale(scale);
  tooltip_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                                 nullptr));
  // The application's hint pause.
  SendMessageW(tooltip_.Get(), TTM_SETDELAYTIME, TTDT_INITIAL, 500);
}

void TFormControls::SetScale(TScale scale) {
  // The form's font: "ＭＳ Ｐゴシック", 12 pixels at 96 DPI.
  TFont font(CreateFontW(-scale.Pixels(kFormFontHeight), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                         DEFAULT_CHARSET, 0, 0, 0, 0, L"ＭＳ Ｐゴシック"));
  SendMessageW(form_, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
  for (const auto& [id, control] : controls_) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
  }
  font_ = std::move(font);  // the old one goes once nothing uses it
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
    SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
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

bool IsShown(HWND window) { return GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE; }
