#include "net/KiroTime_win.h"

#include <span>

#include "net/TimeProtocol.h"

namespace {

std::span<const std::uint8_t> Bytes(const std::string& reply) {
  return {reinterpret_cast<const std::uint8_t*>(reply.data()), reply.size()};
}

}  // namespace

TKiroTime::TKiroTime() {
  Port = 37;
  TimeOut = 500;
}

std::uint32_t TKiroTime::TimeInt() { return TimeIntFromBytes(Bytes(RequestTime())); }

std::wstring TKiroTime::TimeStr() {
  const TClockTime time = TimeOfDayFromBytes(Bytes(RequestTime()));
  // Only the time of day is formatted; the date just has to be valid.
  SYSTEMTIME systemTime{};
  systemTime.wYear = 2000;
  systemTime.wMonth = 1;
  systemTime.wDay = 1;
  systemTime.wHour = time.Hour;
  systemTime.wMinute = time.Minute;
  systemTime.wSecond = time.Second;
  wchar_t text[80] = {};
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &systemTime, nullptr, text, 80);
  return text;
}

std::string TKiroTime::RequestTime() {
  ConnectToServer();
  std::string reply;
  try {
    WaitForFirstByte();
    reply = Read(0);
  } catch (...) {
    try {
      Disconnect();
    } catch (...) {
      // The request's own failure is the one to report.
    }
    throw;
  }
  Disconnect();
  return reply;
}

void TKiroTime::ConnectToServer() {
  cancel_ = false;
  if (connected_) throw ESockError(L"Already connected");
  ResolveHostWithRetry();
  ReportStatus(8, L"Connecting");
  success_ = false;
  timedOut_ = false;
  {
    TTimedPhase phase(*this);
    // The immediate result says nothing: the notification tells.
    connect(SocketHandle(), RemoteEndpoint(), sizeof(sockaddr_in));
    // A refused connection brings a notification with an error, which does
    // not end the wait: it ends by the time-out.
    while (!success_ && !timedOut_ && !cancel_) WaitAndProcessMessages();
  }
  if (timedOut_) throw EZelkError(L"Connection Timed out");
  if (cancel_) throw ESockError(L"Connection Canceled");
}

void TKiroTime::WaitForFirstByte() {
  TTimedPhase phase(*this);
  while (!DataAvailable()) {
    if (timedOut_) throw ESockError(L"Read Timed out");
    if (cancel_) throw ESockError(L"Read Canceled");
    // The peer closed without a byte: the socket was closed on its notice.
    if (!connected_) throw ESockError(L"Connection Closed");
    WaitAndProcessMessages();
  }
}
