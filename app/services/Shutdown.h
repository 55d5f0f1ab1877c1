#pragma once
// The system shutdown request, which tests must never make.

class IShutdown {
 public:
  virtual ~IShutdown() = default;
  // A plain shutdown: no force, no reboot. Failures are not reported.
  virtual void RequestShutdown() = 0;
};
