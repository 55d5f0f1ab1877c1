#include "net/ClockAdjuster.h"

#include <array>

#include "base/errors/Errors.h"

std::uint32_t SecondsOfCompilerDate(std::string_view date) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  if (date.size() != 11) return 0;
  int month = 0;
  while (month < 12 && kMonths[static_cast<std::size_t>(month)] != date.substr(0, 3)) ++month;
  const auto digit = [&](std::size_t at) { return date[at] == ' ' ? 0 : date[at] - '0'; };
  const int day = digit(4) * 10 + digit(5);
  const int year = digit(7) * 1000 + digit(8) * 100 + digit(9) * 10 + digit(10);
  if (month == 12 || day < 1 || year < 1900) return 0;
  // Days since 1900-01-01, the years counted from March so that a leap day
  // ends its year.
  const int y = month < 2 ? year - 1 : year;
  const int shiftedMonth = (month + 10) % 12;  // March = 0
  const std::int64_t days =
      365LL * y + y / 4 - y / 100 + y / 400 + (153 * shiftedMonth + 2) / 5 + day - 1 - 693901;
  if (days < 0 || days * 86400 > 0xFFFFFFFFLL) return 0;
  return static_cast<std::uint32_t>(days * 86400);
}

TNetTimerChange TClockAdjuster::AdjustClock(const std::wstring& host) {
  std::uint32_t seconds = 0;
  try {
    source_.SetHost(host);
    seconds = source_.TimeInt();
  } catch (const EZelkError&) {
    // Nothing is shown: the clock simply stays as it is.
    return TNetTimerChange::Keep;
  }
  // 1900 from a short reply, or any other time that cannot be now.
  if (seconds < earliest_) return TNetTimerChange::Keep;
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
