#include "net/ClockAdjuster.h"

#include "base/errors/Errors.h"

TNetTimerChange TClockAdjuster::AdjustClock(const std::wstring& host) {
  std::uint32_t seconds = 0;
  try {
    source_.SetHost(host);
    seconds = source_.TimeInt();
  } catch (const EZelkError&) {
    // Nothing is shown: the clock simply stays as it is.
    return TNetTimerChange::Keep;
  }
  clock_.SetSystemClock(ClockTimeFromSeconds(seconds));
  return TNetTimerChange::Disable;
}

TNetTimerChange TClockAdjuster::StartUp(const std::wstring& host, bool AJCLK) {
  if (!AJCLK) return TNetTimerChange::Keep;
  if (connection_.InternetConnected() && AdjustClock(host) == TNetTimerChange::Disable) {
    return TNetTimerChange::Disable;
  }
  return TNetTimerChange::Enable;
}

TNetTimerChange TClockAdjuster::NetTimerTimer(const std::wstring& host, bool AJCLK) {
  if (!AJCLK) return TNetTimerChange::Disable;
  if (!connection_.InternetConnected()) return TNetTimerChange::Keep;
  return AdjustClock(host);
}
