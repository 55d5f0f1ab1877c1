#include "net/WaitThread_win.h"

#include <utility>

bool TWaitThread::HandleMessages() {
  if (quitCode_) return false;
  MsgWaitForMultipleObjectsEx(0, nullptr, 5, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitCode_ = static_cast<int>(message.wParam);
      return false;
    }
    if (message.message == WM_DROPFILES) {
      kept_.push_back(message);
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

void TWaitThread::GiveBackKept() noexcept {
  // The quit last: the loop that owns it handles the drops first.
  for (const MSG& message : std::exchange(kept_, {})) {
    PostMessageW(message.hwnd, message.message, message.wParam, message.lParam);
  }
  if (quitCode_) PostQuitMessage(*std::exchange(quitCode_, std::nullopt));
}
