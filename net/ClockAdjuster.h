#pragma once
// The main window's clock adjustment: one Time-protocol request, the reply set
// as the system clock in UTC, and what becomes of the ten-minute NetTimer.
// Every outside effect goes through a seam, so tests never touch the clock.

#include <cstdint>
#include <string>
#include <string_view>

#include "net/TimeProtocol.h"

inline constexpr std::uint32_t kNetTimerInterval = 600000;  // ten minutes
// A reply that took longer says too little about when the server sent it.
inline constexpr std::uint32_t kLongestRoundTrip = 2000;  // milliseconds
// A time further from the clock than this is set only when the user agrees.
inline constexpr std::uint64_t kFarFromClock = 24ULL * 3600 * 1000;  // milliseconds

// One reply of a time server.
struct TTimeReply {
  std::uint32_t Seconds = 0;    // since 1900-01-01 00:00 UTC
  std::uint32_t RoundTrip = 0;  // milliseconds from asking to the reply's last byte
};

// The time client: TKiroTime, or a double in tests.
class ITimeSource {
 public:
  virtual ~ITimeSource() = default;
  virtual void SetHost(const std::wstring& host) = 0;
  // One request. A failed or cancelled request throws EZelkError.
  [[nodiscard]] virtual TTimeReply Request() = 0;
  // Ends a request that is waiting, at once: the program is ending.
  virtual void CancelRequest() = 0;
};

enum class TClockSet { Set, NoRight, Refused };

// The system clock (GetSystemTimeAsFileTime, SetSystemTime).
class IClockSetter {
 public:
  virtual ~IClockSetter() = default;
  // NoRight when this program lacks the right to set the clock.
  [[nodiscard]] virtual TClockSet SetSystemClock(const TClockTime& utc) = 0;
  // Milliseconds since 1900-01-01 00:00 UTC.
  [[nodiscard]] virtual std::uint64_t Now() const = 0;
};

// Whether the system reports a connection to the Internet.
class IConnectionCheck {
 public:
  virtual ~IConnectionCheck() = default;
  [[nodiscard]] virtual bool InternetConnected() = 0;
};

// What the adjustment says to the user, through the main window.
class IClockUser {
 public:
  virtual ~IClockUser() = default;
  // A question in a box owned by the main window; true on OK.
  [[nodiscard]] virtual bool ConfirmClock(const std::wstring& question) = 0;
  // A note in the status bar.
  virtual void ShowClockNote(const std::wstring& note) = 0;
};

// What the main window does with NetTimer after a call.
enum class TNetTimerChange { Keep, Enable, Disable };

// Seconds since 1900-01-01 00:00 UTC of the start of a day written as the
// compiler's __DATE__ ("Dec  8 2026"); 0 for a text of another form.
[[nodiscard]] std::uint32_t SecondsOfCompilerDate(std::string_view date);

inline constexpr wchar_t kNoClockRightNote[] = L"時計を合わせるには管理者の権限が必要です。";

class TClockAdjuster {
 public:
  // No clock is set to a time before `earliest`, by default the day this
  // program was built: no true reply can lie before it.
  TClockAdjuster(ITimeSource& source, IClockSetter& clock, IConnectionCheck& connection,
                 IClockUser& user, std::uint32_t earliest = SecondsOfCompilerDate(__DATE__))
      : source_(source), clock_(clock), connection_(connection), user_(user), earliest_(earliest) {}

  // One adjustment from the host: the reply plus half its round trip. A
  // failed request, a round trip above kLongestRoundTrip or a reply before
  // the earliest time leaves the clock and NetTimer as they are. A time
  // further than kFarFromClock from the clock is set only when the user
  // agrees. Any other reply disables NetTimer, set or not. The first time
  // the system refuses for want of the right, the status bar says so.
  [[nodiscard]] TNetTimerChange AdjustClock(const std::wstring& host);

  // The window's first show. With AJCLK off nothing is asked of the
  // network. With AJCLK on and no connection reported, or a failed request,
  // NetTimer is enabled to retry every ten minutes.
  [[nodiscard]] TNetTimerChange StartUp(const std::wstring& host, bool AJCLK);

  // NetTimer fired: adjust when connected, else wait for the next tick. A
  // switch turned off meanwhile stops the retries instead.
  [[nodiscard]] TNetTimerChange NetTimerTimer(const std::wstring& host, bool AJCLK);

  // Ends a running request at once: the program is ending.
  void Cancel() { source_.CancelRequest(); }

 private:
  // False when the time (milliseconds since 1900) lies far from the clock
  // and the user declined it; the time moves on while the question is open.
  [[nodiscard]] bool Agreed(std::uint64_t& time);
  void SetClock(std::uint64_t time);

  ITimeSource& source_;
  IClockSetter& clock_;
  IConnectionCheck& connection_;
  IClockUser& user_;
  std::uint32_t earliest_;
  bool adjusting_ = false;  // a tick during the request or the question waits
  bool noRightTold_ = false;
};
