#pragma once
// Waiting for the icon cache's look-ups: by its announcements, never by time.

#include <windows.h>

#include "app/sheets/IconCache_win.h"
#include "base/win32/Handles_win.h"

// Dispatches the thread's messages until the cache's look-ups are done and
// taken (the window that receives its announcements takes them).
inline void PumpUntilIconsLookedUp(const TIconCache& cache) {
  MSG message;
  while (cache.Busy() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// A message-only window that receives a cache's announcements in place of
// the main window.
class IconReceiver {
 public:
  static constexpr UINT kLookedUp = WM_APP + 1;
  explicit IconReceiver(TIconCache& cache)
      : cache_(cache),
        window_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                nullptr)) {
    cache_.SetReceiver(window_.Get(), kLookedUp);
  }
  ~IconReceiver() { cache_.SetReceiver(nullptr, 0); }
  IconReceiver(const IconReceiver&) = delete;
  IconReceiver& operator=(const IconReceiver&) = delete;

  void WaitForLookUps() {
    MSG message;
    while (cache_.Busy() && GetMessageW(&message, window_.Get(), 0, 0) > 0) {
      if (message.message == kLookedUp) cache_.TakeFinished();
    }
  }

 private:
  TIconCache& cache_;
  TOwnedWindow window_;
};
