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
  TClockAdjuster adjuster{source, clock, connection};
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

TEST_F(ClockAdjustment, ZeroSecondsAreStillHandedToTheClockAndDisableNetTimer) {
  // 1900-01-01 is refused by the system; the adjustment does not look.
  source.seconds = 0;
  EXPECT_EQ(TNetTimerChange::Disable, adjuster.AdjustClock(host));
  ASSERT_EQ(clock.set.size(), 1u);
  EXPECT_EQ(clock.set[0], (TClockTime{1900, 1, 1, 0, 0, 0, 0}));
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
  source.seconds = 86400;
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
