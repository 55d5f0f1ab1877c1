#include "net/TimeProtocol.h"

namespace {

constexpr std::uint32_t kSecondsPerDay = 86400;
// Days from the date-time epoch 1899-12-30 to the protocol's epoch 1900-01-01.
constexpr std::int64_t kEpochDays = 2;

TClockTime TimeOfDay(std::uint32_t secondOfDay) {
  TClockTime time;
  time.Hour = static_cast<std::uint16_t>(secondOfDay / 3600);
  time.Minute = static_cast<std::uint16_t>(secondOfDay / 60 % 60);
  time.Second = static_cast<std::uint16_t>(secondOfDay % 60);
  return time;
}

// Proleptic Gregorian date of a day count since 1899-12-30.
void DecodeDate(std::int64_t daysSince18991230, TClockTime& time) {
  // Shift to days since 0000-03-01, where leap days end each 4-year cycle.
  const std::int64_t days = daysSince18991230 + 693899;
  const std::int64_t era = days / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
  const std::int64_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
  time.Year = static_cast<std::uint16_t>(era * 400 + yearOfEra + (month <= 2 ? 1 : 0));
  time.Month = static_cast<std::uint16_t>(month);
  time.Day = static_cast<std::uint16_t>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
}

}  // namespace

std::uint32_t TimeIntFromBytes(std::span<const std::uint8_t> bytes) {
  std::uint32_t value = 0;
  for (const std::uint8_t byte : bytes) value = (value << 8) + byte;
  return value;
}

TClockTime TimeOfDayFromBytes(std::span<const std::uint8_t> bytes) {
  // The remainder of the unwrapped value, computed exactly: a long reply
  // cannot overflow it the way a floating-point fold would.
  std::uint32_t secondOfDay = 0;
  for (const std::uint8_t byte : bytes) secondOfDay = (secondOfDay * 256 + byte) % kSecondsPerDay;
  return TimeOfDay(secondOfDay);
}

TClockTime ClockTimeFromMilliseconds(std::uint64_t milliseconds) {
  const std::uint64_t seconds = milliseconds / 1000;
  TClockTime time = TimeOfDay(static_cast<std::uint32_t>(seconds % kSecondsPerDay));
  time.Milliseconds = static_cast<std::uint16_t>(milliseconds % 1000);
  DecodeDate(static_cast<std::int64_t>(seconds / kSecondsPerDay) + kEpochDays, time);
  return time;
}
