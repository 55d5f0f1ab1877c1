#pragma once
// TThreadTimer: despite its name a window-message timer on the user-interface
// thread, with a hidden window of its own ("TmrWindowClass").

#include <windows.h>

#include <cstdint>
#include <functional>

#include "base/win32/HiddenWindow_win.h"

class TThreadTimer {
 public:
  using TNotifyEvent = std::function<void(TThreadTimer& sender)>;

  TThreadTimer();
  ~TThreadTimer();
  TThreadTimer(const TThreadTimer&) = delete;
  TThreadTimer& operator=(const TThreadTimer&) = delete;

  [[nodiscard]] bool Enabled() const { return enabled_; }
  [[nodiscard]] std::uint32_t Interval() const { return interval_; }
  void SetEnabled(bool enabled);
  void SetInterval(std::uint32_t interval);
  void SetOnTimer(TNotifyEvent onTimer);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  // Kills the system timer and sets it again when it can fire.
  void UpdateTimer();

  bool enabled_ = true;
  std::uint32_t interval_ = 1000;
  TNotifyEvent onTimer_;
  THiddenWindow window_;
};
