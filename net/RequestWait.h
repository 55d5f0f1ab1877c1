#pragma once
// How a request waits on the user-interface thread. Each round handles the
// thread's messages; the time-out is a deadline on a clock that only goes
// forward, so it ends a wait even when no timer message can come, and a quit
// ends the wait at once. A quit and files dropped meanwhile are kept for the
// loop around the wait and given back to it when the wait ends.

#include <cstdint>
#include <functional>
#include <optional>

// The thread a request waits on: its messages and a clock.
class IWaitThread {
 public:
  virtual ~IWaitThread() = default;
  // Waits a few milliseconds at most for a message, then handles those
  // waiting, except a quit and dropped files, which are kept. False once a
  // quit has come.
  [[nodiscard]] virtual bool HandleMessages() = 0;
  // Posts the kept messages again, for the loop around the wait.
  virtual void GiveBackKept() noexcept = 0;
  // Milliseconds of a clock that only goes forward.
  [[nodiscard]] virtual std::uint64_t Milliseconds() const = 0;
};

enum class TWaitEnd { Done, TimedOut, Quit };

// Handles the thread's messages until `done` holds after a round, the
// deadline has passed or a quit has come; the kept messages are given back
// however it ends. At least one round runs unless the deadline has passed.
[[nodiscard]] TWaitEnd WaitFor(IWaitThread& thread, const std::function<bool()>& done,
                               std::optional<std::uint64_t> deadline);
