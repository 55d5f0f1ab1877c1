#include <gtest/gtest.h>

#include <optional>

#include "net/RequestWait.h"

namespace {

// A thread on which the awaited answer never comes unless told: each round
// takes 10 ms of its clock, and a quit comes at the round given.
class SilentThread : public IWaitThread {
 public:
  int rounds = 0;
  int quitAt = 0;  // 0: never
  int givenBack = 0;
  bool HandleMessages() override {
    clock_ += 10;
    quit_ = quit_ || ++rounds == quitAt;
    return !quit_;
  }
  void GiveBackKept() noexcept override { ++givenBack; }
  std::uint64_t Milliseconds() const override { return clock_; }

 private:
  std::uint64_t clock_ = 0;
  bool quit_ = false;
};

}  // namespace

void PrintTo(TWaitEnd end, std::ostream* out) {
  constexpr const char* kNames[] = {"Done", "TimedOut", "Quit"};
  *out << kNames[static_cast<int>(end)];
}

TEST(RequestWait, EndsByTheAnswerTheClockOrAQuitAndGivesBackWhatItKept) {
  const struct {
    const char* what;
    std::optional<std::uint64_t> deadline;
    int quitAt;
    int answerAt;  // 0: never
    TWaitEnd end;
    int rounds;
  } cases[] = {
      {"without a time-out only a quit ends it", std::nullopt, 3, 0, TWaitEnd::Quit, 3},
      {"the deadline ends it though no timer message comes", 100, 0, 0, TWaitEnd::TimedOut, 10},
      {"the answer", 100, 0, 4, TWaitEnd::Done, 4},
      {"a quit ends it long before the deadline", 5000, 2, 0, TWaitEnd::Quit, 2},
  };
  for (const auto& c : cases) {
    SilentThread thread;
    thread.quitAt = c.quitAt;
    const TWaitEnd end = WaitFor(
        thread, [&] { return c.answerAt != 0 && thread.rounds >= c.answerAt; }, c.deadline);
    EXPECT_EQ(end, c.end) << c.what;
    EXPECT_EQ(thread.rounds, c.rounds) << c.what;
    EXPECT_EQ(thread.givenBack, 1) << c.what;
  }
}
