#include <gtest/gtest.h>

#include "base/win32/Handles_win.h"
#include "net/ClockAdjuster.h"
#include "net/KiroTime_win.h"
#include "tests/net/FailureOf.h"
#include "tests/net/LocalServer_win.h"
#include "tests/net/NetDoubles.h"
#include "tests/support/FakeMessageBoxes.h"

namespace {

const std::string kAugust2019("\xE1\x00\x00\x00", 4);  // 2019-08-15 16:00:00 UTC

void Aim(TKiroTime& time, const TLocalServer& server) {
  time.Host = server.Address();
  time.Port = server.Port();
}

}  // namespace

TEST(KiroTime, AsksPort37WithinHalfASecondByDefault) {
  FakeMessageBoxes boxes;
  TKiroTime time(boxes);
  EXPECT_EQ(time.Port, 37);
  EXPECT_EQ(time.TimeOut, 500);
  EXPECT_EQ(time.ReportLevel, 0);
}

TEST(KiroTime, TimeIntIsTheServersUnsignedSecondsRequestAfterRequest) {
  TLocalServer server(SendAndClose(kAugust2019));
  FakeMessageBoxes boxes;
  TKiroTime time(boxes);
  Aim(time, server);
  EXPECT_EQ(time.TimeInt(), 3774873600u);
  EXPECT_FALSE(time.Connected());
  // Each request ends with a fresh socket ready for the next one.
  EXPECT_EQ(time.TimeInt(), 3774873600u);
  EXPECT_EQ(time.TimeInt(), 3774873600u);
  EXPECT_EQ(server.Accepted(), 3);
}

TEST(KiroTime, TimeStrIsTheUtcTimeOfDayInTheLongTimeFormat) {
  TLocalServer server(SendAndClose(std::string("\xE1\x00\x0E\x0F", 4)));
  FakeMessageBoxes boxes;
  TKiroTime time(boxes);
  Aim(time, server);
  // The tests run in the Japanese locale, whose long time format is H:mm:ss.
  EXPECT_EQ(time.TimeStr(), L"16:59:59");
}

TEST(KiroTime, RefusedConnectionEndsAsConnectionTimedOut) {
  FakeMessageBoxes boxes;
  TKiroTime time(boxes);
  time.Host = L"127.0.0.1";
  time.Port = RefusingPort();
  EXPECT_EQ(FailureOf([&] { (void)time.TimeInt(); }), L"Connection Timed out");
  EXPECT_FALSE(time.Connected());
}

TEST(KiroTime, SilentServerFailsTheRequestInsteadOfHoldingTheWindow) {
  TLocalServer server(StaySilent());
  FakeMessageBoxes boxes;
  TKiroTime time(boxes);
  Aim(time, server);
  EXPECT_EQ(FailureOf([&] { (void)time.TimeInt(); }), L"Read Timed out");
  EXPECT_FALSE(time.Connected());
}

TEST(KiroTime, ServerClosingWithoutAByteFailsTheRequest) {
  TLocalServer server(SendAndClose(""));
  FakeMessageBoxes boxes;
  TKiroTime time(boxes);
  Aim(time, server);
  const std::wstring failure = FailureOf([&] { (void)time.TimeInt(); });
  // Normally the close is seen at once; a close that goes unnoticed still
  // ends by the time-out.
  EXPECT_TRUE(failure == L"Connection Closed" || failure == L"Read Timed out")
      << "failure: " << ::testing::PrintToString(failure);
  EXPECT_FALSE(time.Connected());
}

TEST(KiroTime, AReplyOtherThanFourBytesAndACloseFailsAndSetsNoClock) {
  const std::string four = kAugust2019;
  const struct {
    const char* what;
    TLocalServer::TAnswer answer;
  } cases[] = {{"1 byte", SendAndClose(four.substr(0, 1))},
               {"2 bytes", SendAndClose(four.substr(0, 2))},
               {"3 bytes", SendAndClose(four.substr(0, 3))},
               {"5 bytes", SendAndClose(four + '\x01')},
               {"4 bytes, no close", SendAndHold(four)},
               {"4 bytes, then more", SendTwiceAndClose(four, four)}};
  for (const auto& c : cases) {
    TLocalServer server(c.answer);
    FakeMessageBoxes boxes;
    TKiroTime time(boxes);
    time.Port = server.Port();
    RecordingClock clock;
    FakeConnection connection;
    FakeClockUser user;
    TClockAdjuster adjuster(time, clock, connection, user, 0);
    EXPECT_EQ(adjuster.AdjustClock(server.Address()), TNetTimerChange::Keep) << c.what;
    EXPECT_TRUE(clock.set.empty()) << c.what;
    EXPECT_FALSE(time.Connected()) << c.what;
  }
}

TEST(KiroTime, UnresolvableOrEmptyHostEndsAsNullRemoteAddress) {
  FakeMessageBoxes boxes;
  TKiroTime time(boxes);
  time.TimeOut = 10000;  // the lookup fails; it must not be cut short
  time.Host = L"zelk-test.invalid";
  EXPECT_EQ(FailureOf([&] { (void)time.TimeInt(); }), L"Null Remote Address");
  time.Host = L"";
  EXPECT_EQ(FailureOf([&] { (void)time.TimeInt(); }), L"Null Remote Address");
}

TEST(KiroTime, StartUpAdjustsTheClockThroughTheSeamOnly) {
  TLocalServer server(SendAndClose(kAugust2019));
  FakeMessageBoxes boxes;
  TKiroTime time(boxes);
  time.Port = server.Port();
  RecordingClock clock;
  clock.now = 3774873600000u;  // the reply's time: no question
  FakeConnection connection;
  FakeClockUser user;
  // No build-day floor here: the reply is of 2019.
  TClockAdjuster adjuster(time, clock, connection, user, 0);

  EXPECT_EQ(adjuster.StartUp(server.Address(), true), TNetTimerChange::Disable);
  ASSERT_EQ(clock.set.size(), 1u);
  // Half of a round trip on this machine: well under a second.
  TClockTime set = clock.set[0];
  set.Milliseconds = 0;
  EXPECT_EQ(set, (TClockTime{2019, 8, 15, 16, 0, 0, 0}));
  EXPECT_EQ(time.Host, server.Address());
  EXPECT_TRUE(user.questions.empty());
}

TEST(KiroTime, StartUpAgainstADeadServerEnablesNetTimer) {
  FakeMessageBoxes boxes;
  TKiroTime time(boxes);
  time.Port = RefusingPort();
  RecordingClock clock;
  FakeConnection connection;
  FakeClockUser user;
  TClockAdjuster adjuster(time, clock, connection, user);
  EXPECT_EQ(adjuster.StartUp(L"127.0.0.1", true), TNetTimerChange::Enable);
  EXPECT_TRUE(clock.set.empty());
}

TEST(KiroTime, AQuitWhileTheServerIsSilentEndsTheRequestAndReachesTheProgramsLoopAfterTheDrop) {
  TLocalServer server(StaySilent());
  FakeMessageBoxes boxes;
  TKiroTime time(boxes);
  Aim(time, server);
  time.TimeOut = 0;  // no time-out: only the quit can end the wait
  const TOwnedWindow tabs(
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr));
  // While the reply is awaited, files are dropped and the program is quit.
  time.ReportLevel = 8;
  time.OnStatus = [&](TPowersock&, const std::wstring& status) {
    if (status != L"Data Available") return;
    time.OnStatus = nullptr;
    PostMessageW(tabs.Get(), WM_DROPFILES, 0x1234, 0);
    PostQuitMessage(7);
  };
  EXPECT_EQ(FailureOf([&] { (void)time.TimeInt(); }), L"Read Canceled");
  EXPECT_FALSE(time.Connected());
  // Neither was handled inside the request: both wait for the program's own
  // loop, the drop first, so that the application message event sees it.
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_DROPFILES));
  EXPECT_EQ(message.hwnd, tabs.Get());
  EXPECT_EQ(message.wParam, 0x1234u);
  ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(message.wParam, 7u);
}
