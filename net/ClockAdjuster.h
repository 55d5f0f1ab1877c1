#pragma once
// The main window's clock adjustment: one Time-protocol request, the reply set
// as the system clock in UTC, and what becomes of the ten-minute NetTimer.
// Every outside effect goes through a seam, so tests never touch the clock.

#include <cstdint>
#include <string>
#include <string_view>

#include "net/TimeProtocol.h"

inline constexpr std::uint32_t kNetTimerInterval = 600000;  // ten minutes

// The time client: TKiroTime, or a double in tests.
class ITimeSource {
 public:
  virtual ~ITimeSource() = default;
  virtual void SetHost(const std::wstring& host) = 0;
  // One request; seconds since 1900-01-01 00:00 UTC. A failed request throws EZelkError.
  [[nodiscard]] virtual std::uint32_t TimeInt() = 0;
};

// Sets the system clock (SetSystemTime); its result is not examined.
class IClockSetter {
 public:
  virtual ~IClockSetter() = default;
  virtual void SetSystemClock(const TClockTime& utc) = 0;
};

// Whether the system reports a connection to the Internet.
class IConnectionCheck {
 public:
  virtual ~IConnectionCheck() = default;
  [[nodiscard]] virtual bool InternetConnected() = 0;
};

// What the main window does with NetTimer after a call.
enum class TNetTimerChange { Keep, Enable, Disable };

// Seconds since 1900-01-01 00:00 UTC of the start of a day written as the
// compiler's __DATE__ ("Dec  8 2026"); 0 for a text of another form.
[[nodiscard]] std::uint32_t SecondsOfCompilerDate(std::string_view date);

class TClockAdjuster {
 public:
  // No clock is set to a time before `earliest`, by default the day this
  // program was built: no true reply can lie before it.
  TClockAdjuster(ITimeSource& source, IClockSetter& clock, IConnectionCheck& connection,
                 std::uint32_t earliest = SecondsOfCompilerDate(__DATE__))
      : source_(source), clock_(clock), connection_(connection), earliest_(earliest) {}

  // One adjustment from the host. A failed request, or a reply before the
  // earliest time, leaves the clock and NetTimer as they are; any other
  // reply, even one the system refuses, disables NetTimer.
  [[nodiscard]] TNetTimerChange AdjustClock(const std::wstring& host);

  // The last step of the main window's creation. With AJCLK off nothing is
  // asked of the network. With AJCLK on and no connection reported, or a
  // failed request, NetTimer is enabled to retry every ten minutes.
  [[nodiscard]] TNetTimerChange StartUp(const std::wstring& host, bool AJCLK);

  // NetTimer fired: adjust when connected, else wait for the next tick. A
  // switch turned off meanwhile stops the retries instead.
  [[nodiscard]] TNetTimerChange NetTimerTimer(const std::wstring& host, bool AJCLK);

 private:
  ITimeSource& source_;
  IClockSetter& clock_;
  IConnectionCheck& connection_;
  std::uint32_t earliest_;
};
