#pragma once
// TKiroTime: the Time-protocol client (RFC 868 over TCP). Each reading of
// TimeInt or TimeStr runs one request: connect, take the bytes the server
// sends, disconnect.

#include <cstdint>
#include <string>

#include "net/ClockAdjuster.h"
#include "net/Psock_win.h"

class TKiroTime : public TPowersock, public ITimeSource {
 public:
  // Port 37, TimeOut 500 ms.
  explicit TKiroTime(IMessageBoxes& messageBoxes);

  // Seconds since 1900-01-01 00:00 UTC, unsigned.
  [[nodiscard]] std::uint32_t TimeInt();
  // The UTC time of day in the user's long time format.
  [[nodiscard]] std::wstring TimeStr();
  void SetHost(const std::wstring& host) override { Host = host; }
  // One request, with the time it took from asking for the connection to
  // the reply's last byte.
  [[nodiscard]] TTimeReply Request() override;
  void CancelRequest() override { Abort(); }

 private:
  // One request; the server's four bytes.
  [[nodiscard]] std::string RequestTime();
  void ConnectToServer();
  // The whole reply: exactly four bytes and then the server's close, within
  // TimeOut. A silent server, a shorter or longer reply, or one the server
  // does not end fails the request: a broken reply must never set the clock.
  [[nodiscard]] std::string ReadWholeReply();

  // When the last request asked for its connection, and when its fourth byte came.
  std::uint64_t asked_ = 0;
  std::uint64_t answered_ = 0;
};
