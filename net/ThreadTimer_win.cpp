#include "net/ThreadTimer_win.h"

#include "base/errors/ErrorBox_win.h"
#include "base/errors/Errors.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TThreadTimer::TThreadTimer() : window_(L"TmrWindowClass", WindowProc, this) {
  if (!window_.Handle()) throw EZelkError(L"No Timer");
}

TThreadTimer::~TThreadTimer() {
  enabled_ = false;
  KillTimer(window_.Handle(), kTimerId);
}

void TThreadTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TThreadTimer::SetInterval(std::uint32_t interval) {
  if (interval == interval_) return;
  interval_ = interval;
  UpdateTimer();
}

void TThreadTimer::SetOnTimer(TNotifyEvent onTimer) {
  onTimer_ = std::move(onTimer);
  UpdateTimer();
}

void TThreadTimer::UpdateTimer() {
  KillTimer(window_.Handle(), kTimerId);
  if (interval_ != 0 && enabled_ && onTimer_) {
    if (!SetTimer(window_.Handle(), kTimerId, interval_, nullptr)) throw EZelkError(L"No Timer");
  }
}

LRESULT CALLBACK TThreadTimer::WindowProc(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) noexcept {
  auto* timer = THiddenWindow::Object<TThreadTimer>(window);
  if (!timer) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_TIMER) {
    // A failure in the handler goes to the standard error box.
    // A copy, so that the handler may replace itself.
    const TNotifyEvent onTimer = timer->onTimer_;
    RunGuarded(nullptr, [&] {
      if (onTimer) onTimer(*timer);
    });
    return 0;
  }
  if (message == WM_ACTIVATEAPP) return 0;
  return DefWindowProcW(window, message, wParam, lParam);
}
