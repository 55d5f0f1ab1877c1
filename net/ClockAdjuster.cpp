#include "net/ClockAdjuster.h"

#include <array>
#include <cwchar>

#include "base/errors/Errors.h"

std::uint32_t SecondsOfCompilerDate(std::string_view date) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  if (date.size() != 11) return 0;
  int month = 0;
  while (month < 12 && kMonths[static_cast<std::size_t>(month)] != date.substr(0, 3)) ++month;
  const auto digit = [&](std::size_t at) { return date[at] == ' ' ? 0 : date[at] - '0'; };
  const int day = digit(4) * 10 + digit(5);
  const int year = digit(7) * 1000 + digit(8) * 100 + digit(9) * 10 + digit(10);
  if (month == 12 || day < 1 || year < 1900) return 0;
  // Days since 1900-01-01, the years counted from March so that a leap day
  // ends its year.
  const int y = month < 2 ? year - 1 : year;
  const int shiftedMonth = (month + 10) % 12;  // March = 0
  const std::int64_t days =
      365LL * y + y / 4 - y / 100 + y / 400 + (153 * shiftedMonth + 2) / 5 + day - 1 - 693901;
  if (days < 0 || days * 86400 > 0xFFFFFFFFLL) return 0;
  return static_cast<std::uint32_t>(days * 86400);
}

namespace {

std::uint64_t Distance(std::uint64_t a, std::uint64_t b) { return a > b ? a - b : b - a; }

// "2036/02/07 06:28:16"
std::wstring UtcText(std::uint64_t milliseconds) {
  const TClockTime t = ClockTimeFromMilliseconds(milliseconds);
  wchar_t text[32];
  std::swprintf(text, 32, L"%04u/%02u/%02u %02u:%02u:%02u", unsigned{t.Year}, unsigned{t.Month},
                unsigned{t.Day}, unsigned{t.Hour}, unsigned{t.Minute}, unsigned{t.Second});
  return text;
}

std::wstring FarTimeQuestion(std::uint64_t time, std::uint64_t clock) {
  const std::uint64_t hours = Distance(time, clock) / 3600000;
  const std::wstring distance =
      hours < 48 ? std::to_wstring(hours) + L"時間" : std::to_wstring(hours / 24) + L"日";
  return L"タイムサーバーの時刻は、パソコンの時計より約" + distance +
         (time > clock ? L"進んでいます。" : L"遅れています。") + L"\nサーバーの時刻: " +
         UtcText(time) + L"（協定世界時）\n時計をこの時刻に合わせます。よろしいですか？";
}

}  // namespace

TNetTimerChange TClockAdjuster::AdjustClock(const std::wstring& host) {
  // A tick while a request waits or the question is open.
  if (adjusting_) return TNetTimerChange::Keep;
  adjusting_ = true;
  struct TAdjusting {
    bool& flag;
    ~TAdjusting() { flag = false; }
  } adjusting{adjusting_};
  TTimeReply reply;
  try {
    source_.SetHost(host);
    reply = source_.Request();
  } catch (const EZelkError&) {
    // Nothing is shown: the clock simply stays as it is.
    return TNetTimerChange::Keep;
  }
  // A slow reply says too little of when it was sent; 1900 from a short
  // reply, or any other time before the build, cannot be now.
  if (reply.RoundTrip > kLongestRoundTrip || reply.Seconds < earliest_) {
    return TNetTimerChange::Keep;
  }
  // The server told its second, at best guess, half the round trip ago.
  std::uint64_t time = reply.Seconds * 1000ULL + reply.RoundTrip / 2;
  if (Agreed(time)) SetClock(time);
  return TNetTimerChange::Disable;
}

bool TClockAdjuster::Agreed(std::uint64_t& time) {
  const std::uint64_t asked = clock_.Now();
  if (Distance(time, asked) <= kFarFromClock) return true;
  if (!user_.ConfirmClock(FarTimeQuestion(time, asked))) return false;
  // The server's time went on while the question was open.
  const std::uint64_t answered = clock_.Now();
  if (answered > asked) time += answered - asked;
  return true;
}

void TClockAdjuster::SetClock(std::uint64_t time) {
  if (clock_.SetSystemClock(ClockTimeFromMilliseconds(time)) != TClockSet::NoRight) return;
  if (noRightTold_) return;
  noRightTold_ = true;
  user_.ShowClockNote(kNoClockRightNote);
}

TNetTimerChange TClockAdjuster::StartUp(const std::wstring& host, bool AJCLK) {
  if (!AJCLK) return TNetTimerChange::Keep;
  if (connection_.InternetConnected() && AdjustClock(host) == TNetTimerChange::Disable) {
    return TNetTimerChange::Disable;
  }
  return TNetTimerChange::Enable;
}

TNetTimerChange TClockAdjuster::NetTimerTimer(const std::wstring& host, bool AJCLK) {
  if (!AJCLK) return TNetTimerChange::Disable;
  if (!connection_.InternetConnected()) return TNetTimerChange::Keep;
  return AdjustClock(host);
}
