#include "net/ClockSeams_win.h"

#include <windows.h>
#include <wininet.h>

namespace {

// From the system's epoch 1601-01-01 to the protocol's 1900-01-01: 109,207 days.
constexpr std::uint64_t kMillisecondsFrom1601To1900 = 109207ULL * 86400 * 1000;

}  // namespace

TClockSet TSystemClock::SetSystemClock(const TClockTime& utc) {
  SYSTEMTIME time{};
  time.wYear = utc.Year;
  time.wMonth = utc.Month;
  time.wDay = utc.Day;
  time.wHour = utc.Hour;
  time.wMinute = utc.Minute;
  time.wSecond = utc.Second;
  time.wMilliseconds = utc.Milliseconds;
  if (SetSystemTime(&time)) return TClockSet::Set;
  // A program started without elevation lacks the right, even for an administrator.
  return GetLastError() == ERROR_PRIVILEGE_NOT_HELD ? TClockSet::NoRight : TClockSet::Refused;
}

std::uint64_t TSystemClock::Now() const {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const std::uint64_t ticks = (std::uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime;
  return ticks / 10000 - kMillisecondsFrom1601To1900;  // 100-ns ticks
}

bool TInternetConnection::InternetConnected() {
  DWORD flags = 7;  // the value returned in it is not used
  return InternetGetConnectedState(&flags, 0) != FALSE;
}
