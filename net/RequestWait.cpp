#include "net/RequestWait.h"

TWaitEnd WaitFor(IWaitThread& thread, const std::function<bool()>& done,
                 std::optional<std::uint64_t> deadline) {
  struct TGiveBack {
    IWaitThread& thread;
    ~TGiveBack() { thread.GiveBackKept(); }
  } giveBack{thread};
  for (;;) {
    if (deadline && thread.Milliseconds() >= *deadline) return TWaitEnd::TimedOut;
    if (!thread.HandleMessages()) return TWaitEnd::Quit;
    if (done()) return TWaitEnd::Done;
  }
}
