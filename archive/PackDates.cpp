#include "archive/PackDates.h"

#include "archive/ArchiverErrors.h"
#include "archive/EntryRecord.h"

namespace {

constexpr int kCenturyWindow = 50;

}  // namespace

std::optional<std::int64_t> DateBound(const std::wstring& text, const std::wstring& defaultTime,
                                      int currentYear) {
  const std::wstring digits = !text.empty() && text.front() == L'l' ? text.substr(1) : text;
  const std::size_t length = digits.size();
  if (length != 6 && length != 8 && length != 12 && length != 14) return std::nullopt;
  const auto invalid = [&]() {
    return EConvertError(L"'" + text + L"' は正しい日付ではありません。");
  };
  for (const wchar_t c : digits) {
    if (c < L'0' || c > L'9') throw invalid();
  }
  const std::size_t yearDigits = length == 6 || length == 12 ? 2 : 4;
  const std::wstring time = length > 8 ? digits.substr(yearDigits + 4) : defaultTime;
  const auto number = [](const std::wstring& from, std::size_t at, std::size_t count) {
    return std::stoi(from.substr(at, count));
  };
  int year = number(digits, 0, yearDigits);
  if (yearDigits == 2) {
    const int windowStart = currentYear - kCenturyWindow;
    year += windowStart / 100 * 100;
    if (year < windowStart) year += 100;
  }
  const int month = number(digits, yearDigits, 2), day = number(digits, yearDigits + 2, 2);
  const int hour = number(time, 0, 2), minute = number(time, 2, 2), second = number(time, 4, 2);
  if (!IsValidDate(year, month, day) || hour > 23 || minute > 59 || second > 59) throw invalid();
  return DaysSince1601(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}
