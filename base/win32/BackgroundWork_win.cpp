#include "base/win32/BackgroundWork_win.h"

#include <exception>
#include <optional>

#include "base/errors/ErrorBox_win.h"
#include "base/errors/Errors.h"
#include "base/win32/Handles_win.h"

namespace {

struct TWork {
  const std::function<void()>& Run;
  std::exception_ptr Failure;
};

DWORD WINAPI RunWork(LPVOID parameter) noexcept {
  auto& work = *static_cast<TWork*>(parameter);
  try {
    work.Run();
  } catch (...) {
    work.Failure = std::current_exception();
  }
  return 0;
}

// Handles every message waiting; a WM_QUIT is kept for the loop that owns it.
void HandleWaiting(const std::function<bool(const MSG&)>& filter, std::optional<int>& quitCode) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitCode = static_cast<int>(message.wParam);
      continue;
    }
    if (filter(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

void RunBesideMessages(const std::function<void()>& work,
                       const std::function<bool(const MSG&)>& filter) {
  TWork running{work, nullptr};
  const TKernelHandle thread(CreateThread(nullptr, 0, RunWork, &running, 0, nullptr));
  if (!thread) {
    throw EZelkError(L"作業用のスレッドを開始できませんでした。\n" +
                     SystemErrorText(GetLastError()));
  }
  const HANDLE handle = thread.Get();
  std::optional<int> quitCode;
  try {
    bool ended = false;
    while (!ended) {
      const DWORD woke =
          MsgWaitForMultipleObjectsEx(1, &handle, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      if (woke == WAIT_FAILED) WaitForSingleObject(handle, INFINITE);
      ended = woke != WAIT_OBJECT_0 + 1;
      // Also after the end: what arrived during the work is seen as during it.
      HandleWaiting(filter, quitCode);
    }
  } catch (...) {
    // The work still uses this frame.
    WaitForSingleObject(handle, INFINITE);
    throw;
  }
  if (quitCode) PostQuitMessage(*quitCode);
  if (running.Failure) std::rethrow_exception(running.Failure);
}
