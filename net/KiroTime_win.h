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
  [[nodiscard]] std::uint32_t TimeInt() override;
  // The UTC time of day in the user's long time format.
  [[nodiscard]] std::wstring TimeStr();
  void SetHost(const std::wstring& host) override { Host = host; }

 private:
  // One request; every byte the server had sent when the first one arrived.
  [[nodiscard]] std::string RequestTime();
  void ConnectToServer();
  // The first byte, within TimeOut: a server that stays silent or closes
  // without a byte fails the request instead of holding the window.
  void WaitForFirstByte();
};
