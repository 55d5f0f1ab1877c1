#include "net/ThreadTimer_win.h"

#include "base/errors/Errors.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TThreadTimer::TThreadTimer(IMessageBoxes& messageBoxes)
    : THiddenWindow(L"TmrWindowClass", messageBoxes) {
  if (!Handle()) throw EZelkError(L"No Timer");
}

TThreadTimer::~TThreadTimer() {
  enabled_ = false;
  KillTimer(Handle(), kTimerId);
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
  KillTimer(Handle(), kTimerId);
  if (interval_ != 0 && enabled_ && onTimer_) {
    if (!SetTimer(Handle(), kTimerId, interval_, nullptr)) throw EZelkError(L"No Timer");
  }
}

LRESULT TThreadTimer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    // A copy, so that the handler may replace itself. A failure goes to the
    // window's edge, which shows it.
    const TNotifyEvent onTimer = onTimer_;
    if (onTimer) onTimer(*this);
    return 0;
  }
  if (message == WM_ACTIVATEAPP) return 0;
  return DefaultHandling(message, wParam, lParam);
}
