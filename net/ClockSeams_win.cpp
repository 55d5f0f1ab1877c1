#include "net/ClockSeams_win.h"

#include <windows.h>
#include <wininet.h>

void TSystemClock::SetSystemClock(const TClockTime& utc) {
  SYSTEMTIME time{};
  time.wYear = utc.Year;
  time.wMonth = utc.Month;
  time.wDay = utc.Day;
  time.wHour = utc.Hour;
  time.wMinute = utc.Minute;
  time.wSecond = utc.Second;
  time.wMilliseconds = utc.Milliseconds;
  // Refused without the privilege, or for a date before 1601: not examined.
  SetSystemTime(&time);
}

bool TInternetConnection::InternetConnected() {
  DWORD flags = 7;  // the value returned in it is not used
  return InternetGetConnectedState(&flags, 0) != FALSE;
}
