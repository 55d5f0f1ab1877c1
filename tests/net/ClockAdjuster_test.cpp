#include <gtest/gtest.h>

#include <optional>

#include "net/ClockAdjuster.h"
#include "tests/net/NetDoubles.h"

void PrintTo(TNetTimerChange change, std::ostream* out) {
  constexpr const char* kNames[] = {"Keep", "Enable", "Disable"};
  *out << kNames[static_cast<int>(change)];
}

namespace {

constexpr std::uint32_t kReply = 3774873600u;  // 2019-08-15 16:00 UTC
constexpr std::uint64_t kReplyMs = kReply * 1000ULL;

class ClockAdjustment : public ::testing::Test {
 protected:
  FakeTimeSource source;
  RecordingClock clock;
  FakeConnection connection;
  FakeClockUser user;
  static constexpr std::uint32_t kBuilt = 3774816000u;  // 2019-08-15 00:00 UTC
  TClockAdjuster adjuster{source, clock, connection, user, kBuilt};
  const std::wstring host = L"time.example";

  void SetUp() override { clock.now = kReplyMs; }
};

}  // namespace

TEST_F(ClockAdjustment, AReplySetsTheClockInUtcAndDisablesNetTimer) {
  source.seconds = kReply;
  EXPECT_EQ(TNetTimerChange::Disable, adjuster.AdjustClock(host));
  ASSERT_EQ(clock.set.size(), 1u);
  EXPECT_EQ(clock.set[0], (TClockTime{2019, 8, 15, 16, 0, 0, 0}));
  EXPECT_EQ(source.hostsAsked, std::vector<std::wstring>{host});
}

TEST_F(ClockAdjustment, RepliesAreCorrectedBoundedAndFarTimesAsked) {
  constexpr std::int64_t kDay = 86400;
  const struct {
    const char* what;
    std::uint32_t seconds;
    std::uint32_t roundTrip;
    std::int64_t clock;  // the computer's clock, in seconds past 2019-08-15 16:00
    bool agrees;
    std::optional<TClockTime> set;
    bool asked;
    TNetTimerChange change;
  } cases[] = {
      {"half the round trip is added", kReply, 400, 0, true, TClockTime{2019, 8, 15, 16, 0, 0, 200},
       false, TNetTimerChange::Disable},
      {"a round trip at the bound", kReply, 2000, 0, true, TClockTime{2019, 8, 15, 16, 0, 1, 0},
       false, TNetTimerChange::Disable},
      {"a slower reply is a failed request", kReply, 2001, 0, true, std::nullopt, false,
       TNetTimerChange::Keep},
      {"an hour ahead is set without a word", kReply + 3599, 0, 0, true,
       TClockTime{2019, 8, 15, 16, 59, 59, 0}, false, TNetTimerChange::Disable},
      {"a day away is set without a word", kReply, 0, kDay, true,
       TClockTime{2019, 8, 15, 16, 0, 0, 0}, false, TNetTimerChange::Disable},
      {"further ahead is asked, and declined", kReply + kDay + 1, 0, 0, false, std::nullopt, true,
       TNetTimerChange::Disable},
      {"further behind is asked, and agreed", kReply, 0, kDay + 1, true,
       TClockTime{2019, 8, 15, 16, 0, 0, 0}, true, TNetTimerChange::Disable},
      {"ff ff ff ff is asked", 0xFFFFFFFFu, 1000, 0, true, TClockTime{2036, 2, 7, 6, 28, 15, 500},
       true, TNetTimerChange::Disable},
      {"a time before the build day is refused", kBuilt - 1, 0, 0, true, std::nullopt, false,
       TNetTimerChange::Keep},
      {"1900, a short reply, is refused", 0, 0, 0, true, std::nullopt, false,
       TNetTimerChange::Keep},
  };
  for (const auto& c : cases) {
    RecordingClock at;
    at.now = static_cast<std::uint64_t>((kReply + c.clock) * 1000);
    FakeClockUser asked;
    asked.agrees = c.agrees;
    source.seconds = c.seconds;
    source.roundTrip = c.roundTrip;
    TClockAdjuster bounded(source, at, connection, asked, kBuilt);
    EXPECT_EQ(bounded.AdjustClock(host), c.change) << c.what;
    EXPECT_EQ(at.set.empty() ? std::nullopt : std::optional(at.set[0]), c.set) << c.what;
    EXPECT_EQ(asked.questions.size(), c.asked ? 1u : 0u) << c.what;
  }
}

TEST_F(ClockAdjustment, TheFarTimeQuestionNamesTheTimeAndTheTimeGoesOnWhileItIsOpen) {
  source.seconds = kReply + 3 * 86400;
  struct TSlowUser : FakeClockUser {
    RecordingClock* clock = nullptr;
    bool ConfirmClock(const std::wstring& question) override {
      clock->now += 60000;  // a minute to answer
      return FakeClockUser::ConfirmClock(question);
    }
  } answering;
  answering.clock = &clock;
  TClockAdjuster asking(source, clock, connection, answering, kBuilt);
  EXPECT_EQ(asking.AdjustClock(host), TNetTimerChange::Disable);
  ASSERT_EQ(answering.questions.size(), 1u);
  const std::wstring& question = answering.questions[0];
  EXPECT_NE(question.find(L"約3日進んでいます"), std::wstring::npos);
  EXPECT_NE(question.find(L"2019/08/18 16:00:00"), std::wstring::npos);
  ASSERT_EQ(clock.set.size(), 1u);
  EXPECT_EQ(clock.set[0], (TClockTime{2019, 8, 18, 16, 1, 0, 0}));
}

TEST_F(ClockAdjustment, WantOfTheRightIsToldOncePerRun) {
  source.seconds = kReply;
  clock.result = TClockSet::Refused;
  EXPECT_EQ(adjuster.AdjustClock(host), TNetTimerChange::Disable);
  EXPECT_TRUE(user.notes.empty());
  clock.result = TClockSet::NoRight;
  EXPECT_EQ(adjuster.AdjustClock(host), TNetTimerChange::Disable);
  EXPECT_EQ(adjuster.AdjustClock(host), TNetTimerChange::Disable);
  EXPECT_EQ(user.notes, std::vector<std::wstring>{L"時計を合わせるには管理者の権限が必要です。"});
}

TEST_F(ClockAdjustment, ATickDuringARequestAsksNothingMore) {
  source.seconds = kReply;
  std::optional<TNetTimerChange> inner;
  source.whileWaiting = [&] { inner = adjuster.NetTimerTimer(host, true); };
  EXPECT_EQ(adjuster.AdjustClock(host), TNetTimerChange::Disable);
  EXPECT_EQ(inner, TNetTimerChange::Keep);
  EXPECT_EQ(source.hostsAsked.size(), 1u);
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

TEST_F(ClockAdjustment, ByDefaultNoTimeBeforeTheBuildDayIsSet) {
  source.seconds = SecondsOfCompilerDate(__DATE__) - 1;
  TClockAdjuster byDefault(source, clock, connection, user);
  EXPECT_EQ(TNetTimerChange::Keep, byDefault.AdjustClock(host));
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
  source.seconds = kReply;
  EXPECT_EQ(TNetTimerChange::Disable, adjuster.StartUp(host, true));
  EXPECT_EQ(clock.set.size(), 1u);
}

TEST_F(ClockAdjustment, NetTimerRetriesUntilAnAdjustmentSucceeds) {
  connection.connected = false;
  EXPECT_EQ(TNetTimerChange::Keep, adjuster.NetTimerTimer(host, true));
  EXPECT_TRUE(source.hostsAsked.empty());
  connection.connected = true;
  EXPECT_EQ(TNetTimerChange::Keep, adjuster.NetTimerTimer(host, true));
  source.seconds = kReply;
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
