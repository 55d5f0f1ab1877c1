#include "net/PsockTexts.h"

namespace {

std::wstring VersionText(std::uint16_t version) {
  return std::to_wstring(version & 0xFF) + L"." + std::to_wstring(version >> 8);
}

// The start-up record's texts are plain ASCII.
std::wstring Widen(std::string_view text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

std::vector<std::wstring> WinsockInfoLines(const TWinsockStartup& startup) {
  return {
      L"Version= " + VersionText(startup.Version),
      L"High Version= " + VersionText(startup.HighVersion),
      L"Description= " + Widen(startup.Description.substr(0, 257)),
      L"System= " + Widen(startup.SystemStatus.substr(0, 129)),
      L"Max Sockets= " + std::to_wstring(startup.MaxSockets),
      L"Max Udp pack size= " + std::to_wstring(startup.MaxUdpDg),
  };
}

std::wstring ReadStatusText(std::uint16_t count) {
  return L"Read( " + std::to_wstring(count) + L" )";
}

std::int16_t ReplyNumber(std::string_view reply) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < reply.size() && i < 10; ++i) {
    if (reply[i] < '0' || reply[i] > '9') break;
    value = value * 10 + static_cast<std::uint64_t>(reply[i] - '0');
  }
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
}
