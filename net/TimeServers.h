#pragma once
// The fixed list of public time servers offered by the settings dialog; the
// setting NTP is an index into it.

#include <array>
#include <optional>
#include <string_view>

inline constexpr std::size_t kTimeServerCount = 14;

// Public servers that answer the Time protocol (RFC 868) on TCP port 37.
inline constexpr std::array<std::wstring_view, kTimeServerCount> kTimeServers = {
    L"time.nist.gov",        L"time-a-g.nist.gov",   L"time-b-g.nist.gov",
    L"time-c-g.nist.gov",    L"time-d-g.nist.gov",   L"time-e-g.nist.gov",
    L"time-a-wwv.nist.gov",  L"time-b-wwv.nist.gov", L"time-c-wwv.nist.gov",
    L"time-d-wwv.nist.gov",  L"time-e-wwv.nist.gov", L"time-a-b.nist.gov",
    L"time-b-b.nist.gov",    L"utcnist.colorado.edu",
};

// The host for a server index; nullopt outside 0 ... 13 (the host then stays as it was).
[[nodiscard]] constexpr std::optional<std::wstring_view> TimeServerHost(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= kTimeServerCount) return std::nullopt;
  return kTimeServers[static_cast<std::size_t>(index)];
}
