// Time of one successful Time-protocol request against a server of our own
// on 127.0.0.1: median of 50.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "net/KiroTime_win.h"
#include "tests/net/LocalServer_win.h"
#include "tests/support/FakeMessageBoxes.h"

int main() {
  constexpr int kRuns = 50;
  TLocalServer server(SendAndClose(std::string("\xE1\x00\x00\x00", 4)));
  FakeMessageBoxes boxes;
  TKiroTime time(boxes);
  time.Host = server.Address();
  time.Port = server.Port();
  time.TimeOut = 5000;
  std::vector<double> milliseconds;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const std::uint32_t seconds = time.TimeInt();
    const auto end = std::chrono::steady_clock::now();
    if (seconds != 3774873600u) {
      std::printf("wrong reply %lu\n", static_cast<unsigned long>(seconds));
      return 1;
    }
    milliseconds.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  std::printf(
      "TKiroTime request on 127.0.0.1: median %.2f ms, min %.2f ms, max %.2f ms (%d runs)\n",
      milliseconds[kRuns / 2], milliseconds.front(), milliseconds.back(), kRuns);
  return 0;
}
