#pragma once
// The real thread behind a request's wait: a nested message loop that keeps a
// quit and dropped files for the program's own loop. Dropped files must pass
// the application's message event, which only the program's loop runs.

#include <windows.h>

#include <optional>
#include <vector>

#include "net/RequestWait.h"

class TWaitThread : public IWaitThread {
 public:
  TWaitThread() = default;
  ~TWaitThread() override { GiveBackKept(); }
  TWaitThread(const TWaitThread&) = delete;
  TWaitThread& operator=(const TWaitThread&) = delete;

  [[nodiscard]] bool HandleMessages() override;
  void GiveBackKept() noexcept override;
  [[nodiscard]] std::uint64_t Milliseconds() const override { return GetTickCount64(); }

 private:
  std::vector<MSG> kept_;
  std::optional<int> quitCode_;
};
