#include "tests/app/dialogs/DialogDriver_win.h"

#include "app/dialogs/ModalDialog_win.h"

namespace {

TDialogDriver* activeDriver = nullptr;

// Ends a modal loop that the action never reached, so that a test whose
// dialog did not show as expected fails instead of waiting for ever.
constexpr int kGiveUpTicks = 500;

struct TFind {
  const wchar_t* className;
  const std::wstring* caption;
  HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM data) noexcept {
  auto& find = *reinterpret_cast<TFind*>(data);
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (std::wstring(className) == find.className &&
      (find.caption->empty() || WindowText(window) == *find.caption) && IsWindowVisible(window)) {
    find.found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindThreadWindow(const wchar_t* className, const std::wstring& caption) {
  TFind find{className, &caption, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &Match, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

TDialogDriver::TDialogDriver(std::wstring caption, std::function<void(HWND)> action)
    : caption_(std::move(caption)), action_(std::move(action)) {
  activeDriver = this;
  timer_ = SetTimer(nullptr, 0, 20, &Tick);
}

TDialogDriver::~TDialogDriver() {
  KillTimer(nullptr, timer_);
  activeDriver = nullptr;
}

void CALLBACK TDialogDriver::Tick(HWND, UINT, UINT_PTR, DWORD) noexcept {
  TDialogDriver* self = activeDriver;
  if (!self || self->ran_) return;
  if (const HWND dialog = FindThreadWindow(L"#32770", self->caption_)) {
    self->ran_ = true;
    self->action_(dialog);
  } else if (++self->ticks_ > kGiveUpTicks) {
    if (const HWND any = FindThreadWindow(L"#32770", L"")) EndDialog(any, IDCANCEL);
  }
}

void PressButton(HWND dialog, int id) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring ControlText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }
