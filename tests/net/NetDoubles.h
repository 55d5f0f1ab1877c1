#pragma once
// Doubles for the clock adjustment's seams: a time source that answers or
// fails as told, a clock that records and never sets, a connection check that
// reports what it is told, and a user who answers as told.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/errors/Errors.h"
#include "net/ClockAdjuster.h"

class FakeTimeSource : public ITimeSource {
 public:
  // nullopt: every request fails.
  std::optional<std::uint32_t> seconds;
  std::uint32_t roundTrip = 0;
  std::vector<std::wstring> hostsAsked;
  int cancels = 0;
  // Runs inside the request, as the messages a real request handles would.
  std::function<void()> whileWaiting;

  void SetHost(const std::wstring& host) override { host_ = host; }
  TTimeReply Request() override {
    hostsAsked.push_back(host_);
    if (whileWaiting) whileWaiting();
    if (!seconds) throw EZelkError(L"Connection Timed out");
    return {*seconds, roundTrip};
  }
  void CancelRequest() override { ++cancels; }

 private:
  std::wstring host_;
};

class RecordingClock : public IClockSetter {
 public:
  std::vector<TClockTime> set;
  std::uint64_t now = 0;  // milliseconds since 1900; 0 leaves every reply far from it
  TClockSet result = TClockSet::Set;
  TClockSet SetSystemClock(const TClockTime& utc) override {
    set.push_back(utc);
    return result;
  }
  std::uint64_t Now() const override { return now; }
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

class FakeClockUser : public IClockUser {
 public:
  bool agrees = true;
  std::vector<std::wstring> questions;
  std::vector<std::wstring> notes;
  bool ConfirmClock(const std::wstring& question) override {
    questions.push_back(question);
    return agrees;
  }
  void ShowClockNote(const std::wstring& note) override { notes.push_back(note); }
};
