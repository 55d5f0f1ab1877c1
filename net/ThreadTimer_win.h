#pragma once
// TThreadTimer: despite its name a window-message timer on the user-interface
// thread, with a hidden window of its own ("TmrWindowClass").

#include <windows.h>

#include <cstdint>
#include <functional>

#include "base/errors/MessageBoxes.h"
#include "base/win32/HiddenWindow_win.h"

class TThreadTimer : private THiddenWindow {
 public:
  using TNotifyEvent = std::function<void(TThreadTimer& sender)>;

  // A failure of OnTimer is shown through the message boxes. Throws
  // EZelkError "No Timer" when the window cannot be made.
  explicit TThreadTimer(IMessageBoxes& messageBoxes);
  ~TThreadTimer() override;

  [[nodiscard]] bool Enabled() const { return enabled_; }
  [[nodiscard]] std::uint32_t Interval() const { return interval_; }
  void SetEnabled(bool enabled);
  void SetInterval(std::uint32_t interval);
  void SetOnTimer(TNotifyEvent onTimer);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Kills the system timer and sets it again when it can fire.
  void UpdateTimer();

  bool enabled_ = true;
  std::uint32_t interval_ = 1000;
  TNotifyEvent onTimer_;
};
