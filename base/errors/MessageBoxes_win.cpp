#include "base/errors/MessageBoxes_win.h"

#include "base/win32/Topmost_win.h"

namespace {

constexpr wchar_t kCaption[] = L"ZELK";

}  // namespace

TWin32MessageBoxes::TWin32MessageBoxes(TShowBox showBox) : showBox_(std::move(showBox)) {
  if (!showBox_) {
    showBox_ = [](HWND owner, const std::wstring& text, UINT style) {
      return MessageBoxW(owner, text.c_str(), kCaption, style);
    };
  }
}

int TWin32MessageBoxes::Show(const std::wstring& text, UINT style) {
  const HWND owner = IsWindow(owner_) ? owner_ : nullptr;
  if (!owner) return showBox_(nullptr, text, style | MB_TASKMODAL);
  // A box owned by a topmost window could still open under another topmost
  // window; the owner steps down while its box is open.
  const bool topmost = GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOPMOST;
  if (topmost) SetTopmost(owner, false);
  struct TReturn {
    HWND owner;
    bool topmost;
    ~TReturn() {
      if (topmost && IsWindow(owner)) SetTopmost(owner, true);
    }
  } back{owner, topmost};
  return showBox_(owner, text, style);
}

bool TWin32MessageBoxes::Confirm(const std::wstring& text) {
  return Show(text, MB_OKCANCEL | MB_ICONINFORMATION) == IDOK;
}

bool TWin32MessageBoxes::AskYesNo(const std::wstring& text) {
  return Show(text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void TWin32MessageBoxes::Inform(const std::wstring& text) {
  Show(text, MB_OK | MB_ICONINFORMATION);
}

void TWin32MessageBoxes::ShowError(const std::wstring& text) { Show(text, MB_OK | MB_ICONERROR); }
