#pragma once
// The real system behind the clock adjustment's seams.

#include "net/ClockAdjuster.h"

// SetSystemTime: the time is UTC, as the Time protocol delivers it.
class TSystemClock : public IClockSetter {
 public:
  [[nodiscard]] TClockSet SetSystemClock(const TClockTime& utc) override;
  [[nodiscard]] std::uint64_t Now() const override;
};

// InternetGetConnectedState.
class TInternetConnection : public IConnectionCheck {
 public:
  [[nodiscard]] bool InternetConnected() override;
};
