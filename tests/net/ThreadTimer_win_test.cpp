#include <gtest/gtest.h>

#include <chrono>

#include "base/errors/Errors.h"
#include "net/ThreadTimer_win.h"
#include "net/WaitThread_win.h"
#include "tests/support/FakeMessageBoxes.h"

namespace {

int TicksWithin(TThreadTimer& timer, std::chrono::milliseconds duration) {
  int ticks = 0;
  timer.SetOnTimer([&](TThreadTimer&) { ++ticks; });
  const auto end = std::chrono::steady_clock::now() + duration;
  while (std::chrono::steady_clock::now() < end) (void)TWaitThread().HandleMessages();
  timer.SetOnTimer(nullptr);
  return ticks;
}

}  // namespace

TEST(ThreadTimer, FiresOnlyWhenEnabledWithAnIntervalAndAHandler) {
  FakeMessageBoxes boxes;
  TThreadTimer timer(boxes);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000u);

  timer.SetInterval(0);  // no system timer at all
  EXPECT_EQ(TicksWithin(timer, std::chrono::milliseconds(150)), 0);
  timer.SetInterval(10);
  timer.SetEnabled(false);
  EXPECT_EQ(TicksWithin(timer, std::chrono::milliseconds(150)), 0);
  timer.SetEnabled(true);
  // Generous: a loaded machine may deliver only a few of the 10 ms ticks.
  EXPECT_GT(TicksWithin(timer, std::chrono::milliseconds(1000)), 0);
}

TEST(ThreadTimer, ItsWindowIsOfTheTimerClass) {
  FakeMessageBoxes boxes;
  TThreadTimer timer(boxes);
  const HWND window = FindWindowW(L"TmrWindowClass", nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, WS_EX_TOOLWINDOW);
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST(ThreadTimer, AFailingHandlerIsShownThroughTheMessageBoxes) {
  FakeMessageBoxes boxes;
  TThreadTimer timer(boxes);
  timer.SetInterval(10);
  timer.SetOnTimer([](TThreadTimer& sender) {
    sender.SetEnabled(false);
    throw EZelkError(L"時刻を合わせられませんでした。");
  });
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (boxes.errors.empty() && std::chrono::steady_clock::now() < end)
    (void)TWaitThread().HandleMessages();
  EXPECT_EQ(boxes.errors, std::vector<std::wstring>{L"時刻を合わせられませんでした。"});
}
