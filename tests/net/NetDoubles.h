#pragma once
// Doubles for the clock adjustment's seams: a time source that answers or
// fails as told, a clock setter that records and never sets, and a
// connection check that reports what it is told.

#include <optional>
#include <string>
#include <vector>

#include "base/errors/Errors.h"
#include "net/ClockAdjuster.h"

class FakeTimeSource : public ITimeSource {
 public:
  // nullopt: every request fails.
  std::optional<std::uint32_t> seconds;
  std::vector<std::wstring> hostsAsked;

  void SetHost(const std::wstring& host) override { host_ = host; }
  std::uint32_t TimeInt() override {
    hostsAsked.push_back(host_);
    if (!seconds) throw EZelkError(L"Connection Timed out");
    return *seconds;
  }

 private:
  std::wstring host_;
};

class RecordingClock : public IClockSetter {
 public:
  std::vector<TClockTime> set;
  void SetSystemClock(const TClockTime& utc) override { set.push_back(utc); }
};

class FakeConnection : public IConnectionCheck {
 public:
  bool connected = true;
  int checks = 0;
  bool InternetConnected() override {
    ++checks;
    return connected;
  }
};
