#include "net/KiroTime_win.h"

#include <span>

#include "net/TimeProtocol.h"

namespace {

std::span<const std::uint8_t> Bytes(const std::string& reply) {
  return {reinterpret_cast<const std::uint8_t*>(reply.data()), reply.size()};
}

}  // namespace

TKiroTime::TKiroTime(IMessageBoxes& messageBoxes) : TPowersock(messageBoxes) {
  Port = 37;
  TimeOut = 500;
}

std::uint32_t TKiroTime::TimeInt() { return Request().Seconds; }

TTimeReply TKiroTime::Request() {
  const std::string reply = RequestTime();
  return {TimeIntFromBytes(Bytes(reply)), static_cast<std::uint32_t>(answered_ - asked_)};
}

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
    reply = ReadWholeReply();
  } catch (...) {
    // Whatever ended the request, the next one needs a fresh socket; the
    // failure itself goes on to the caller.
    try {
      Disconnect();
    } catch (const EZelkError&) {
      // The request's own failure is the one to report.
    }
    throw;
  }
  Disconnect();
  return reply;
}

void TKiroTime::ConnectToServer() {
  cancel_ = false;
  if (connected_) throw ESockError(TSockFailure::AlreadyConnected);
  ResolveHostWithRetry();
  ReportStatus(8, L"Connecting");
  success_ = false;
  timedOut_ = false;
  {
    TTimedPhase phase(*this);
    // The immediate result says nothing: the notification tells.
    asked_ = Milliseconds();
    connect(SocketHandle(), RemoteEndpoint(), sizeof(sockaddr_in));
    // A refused connection brings a notification with an error, which does
    // not end the wait: it ends by the time-out.
    Wait([this] { return success_; });
  }
  // The base failure kind, as the time client has always raised it.
  if (timedOut_) throw EZelkError(SockFailureText(TSockFailure::ConnectionTimedOut));
  if (cancel_) throw ESockError(TSockFailure::ConnectionCanceled);
}

std::string TKiroTime::ReadWholeReply() {
  constexpr std::size_t kReplySize = 4;
  TTimedPhase phase(*this);
  std::string reply;
  for (;;) {
    if (DataAvailable()) {
      reply += Read(0);
      if (reply.size() > kReplySize) throw ESockError(TSockFailure::BadTimeReply);
      if (reply.size() == kReplySize) answered_ = Milliseconds();
      continue;
    }
    if (PeerClosed()) break;
    if (timedOut_)
      throw ESockError(reply.empty() ? TSockFailure::ReadTimedOut : TSockFailure::BadTimeReply);
    if (cancel_) throw ESockError(TSockFailure::ReadCanceled);
    Wait([this] { return InputWaiting(); });
  }
  if (reply.empty()) throw ESockError(TSockFailure::ConnectionClosed);
  if (reply.size() != kReplySize) throw ESockError(TSockFailure::BadTimeReply);
  return reply;
}
