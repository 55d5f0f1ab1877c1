#pragma once
// Texts the socket component builds: status lines, the Winsock information
// list and the number at the head of a reply line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What WSAStartup reported, in plain types.
struct TWinsockStartup {
  std::uint16_t Version = 0;      // low byte major, high byte minor
  std::uint16_t HighVersion = 0;  // the same
  std::string Description;
  std::string SystemStatus;
  std::uint16_t MaxSockets = 0;
  std::uint16_t MaxUdpDg = 0;
};

// The six lines "Version= 1.1" ... "Max Udp pack size= n".
[[nodiscard]] std::vector<std::wstring> WinsockInfoLines(const TWinsockStartup& startup);

// "Read( n )".
[[nodiscard]] std::wstring ReadStatusText(std::uint16_t count);

// The leading decimal digits of a reply (at most ten; none gives 0), kept in
// the 16 bits of the reply number.
[[nodiscard]] std::int16_t ReplyNumber(std::string_view reply);
