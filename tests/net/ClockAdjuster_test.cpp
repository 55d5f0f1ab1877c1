#include <gtest/gtest.h>

#include "net/ClockAdjuster.h"
#include "tests/net/NetDoubles.h"

void PrintTo(TNetTimerChange change, std::ostream* out) {
  constexpr const char* kNames[] = {"Keep", "Enable", "Disable"};
  *out << kNames[static_cast<int>(change)];
}

namespace {

class ClockAdjustment : public ::testing::Test {
 protected:
  FakeTimeSource source;
  RecordingClock clock;
  FakeConnection connection;
  static constexpr std::uint32_t kBuilt = 3774816000u;  // 2019-08-15 00:00 UTC
  TClockAdjuster adjuster{source, clock, connection, kBuilt};
  const std::wstring host = L"time.example";
};

}  // namespace

TEST_F(ClockAdjustment, AReplySetsTheClockInUtcAndDisablesNetTimer) {
  source.seconds = 3774873600u;
  EXPECT_EQ(TNetTimerChange::Disable, adjuster.AdjustClock(host));
  ASSERT_EQ(clock.set.size(), 1u);
  EXPECT_EQ(clock.set[0], (TClockTime{2019, 8, 15, 16, 0, 0, 0}));
  EXPECT_EQ(source.hostsAsked, std::vector<std::wstring>{host});
}

TEST_F(ClockAdjustment, ATimeBeforeTheBuildIsNeverSetAndCountsAsAFailedRequest) {
  // 1900 (a short reply) by default; with a build day, anything before it.
  source.seconds = 0;
  TClockAdjuster byDefault(source, clock, connection);
  EXPECT_EQ(TNetTimerChange::Keep, byDefault.AdjustClock(host));
  source.seconds = kBuilt - 1;
  EXPECT_EQ(TNetTimerChange::Keep, adjuster.AdjustClock(host));
  EXPECT_TRUE(clock.set.empty());
  source.seconds = kBuilt;
  EXPECT_EQ(TNetTimerChange::Disable, adjuster.AdjustClock(host));
  EXPECT_EQ(clock.set.size(), 1u);
}

TEST(CompilerDate, GivesTheStartOfThatDayInProtocolSeconds) {
  EXPECT_EQ(SecondsOfCompilerDate("Dec  8 2026"), 4005676800u);
  EXPECT_EQ(SecondsOfCompilerDate("Feb 29 2024"), 3918153600u);
  EXPECT_EQ(SecondsOfCompilerDate("Jan  1 1900"), 0u);
  EXPECT_EQ(SecondsOfCompilerDate("??? ?? ????"), 0u);
}

TEST_F(ClockAdjustment, AFailedRequestLeavesClockAndNetTimerAlone) {
  EXPECT_EQ(TNetTimerChange::Keep, adjuster.AdjustClock(host));
  EXPECT_TRUE(clock.set.empty());
}

TEST_F(ClockAdjustment, StartUpWithTheSwitchOffMakesNoNetworkAccess) {
  source.seconds = 1;
  EXPECT_EQ(TNetTimerChange::Keep, adjuster.StartUp(host, false));
  EXPECT_EQ(connection.checks, 0);
  EXPECT_TRUE(source.hostsAsked.empty());
  EXPECT_TRUE(clock.set.empty());
}

TEST_F(ClockAdjustment, StartUpWithoutConnectionEnablesNetTimerWithoutARequest) {
  source.seconds = 1;
  connection.connected = false;
  EXPECT_EQ(TNetTimerChange::Enable, adjuster.StartUp(host, true));
  EXPECT_TRUE(source.hostsAsked.empty());
  EXPECT_TRUE(clock.set.empty());
}

TEST_F(ClockAdjustment, StartUpThatFailsEnablesNetTimerAndOneThatSucceedsDisablesIt) {
  EXPECT_EQ(TNetTimerChange::Enable, adjuster.StartUp(host, true));
  EXPECT_TRUE(clock.set.empty());
  source.seconds = kBuilt + 86400;
  EXPECT_EQ(TNetTimerChange::Disable, adjuster.StartUp(host, true));
  EXPECT_EQ(clock.set.size(), 1u);
}

TEST_F(ClockAdjustment, NetTimerRetriesUntilAnAdjustmentSucceeds) {
  connection.connected = false;
  EXPECT_EQ(TNetTimerChange::Keep, adjuster.NetTimerTimer(host, true));
  EXPECT_TRUE(source.hostsAsked.empty());
  connection.connected = true;
  EXPECT_EQ(TNetTimerChange::Keep, adjuster.NetTimerTimer(host, true));
  source.seconds = 3774873600u;
  EXPECT_EQ(TNetTimerChange::Disable, adjuster.NetTimerTimer(host, true));
  EXPECT_EQ(clock.set.size(), 1u);
  EXPECT_EQ(source.hostsAsked.size(), 2u);
}

TEST_F(ClockAdjustment, NetTimerStopsWhenTheSwitchWasTurnedOff) {
  source.seconds = 1;
  EXPECT_EQ(TNetTimerChange::Disable, adjuster.NetTimerTimer(host, false));
  EXPECT_EQ(connection.checks, 0);
  EXPECT_TRUE(clock.set.empty());
}
