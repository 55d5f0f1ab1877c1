#include "archive/EntryRecord.h"

std::uint16_t TArchiveEntryRecord::Read16(std::size_t offset) const {
  return static_cast<std::uint16_t>(Bytes[offset] | Bytes[offset + 1] << 8);
}

std::uint32_t TArchiveEntryRecord::Read32(std::size_t offset) const {
  return static_cast<std::uint32_t>(Read16(offset)) | static_cast<std::uint32_t>(Read16(offset + 2))
                                                          << 16;
}

std::uint64_t TArchiveEntryRecord::Read64(std::size_t offset) const {
  return static_cast<std::uint64_t>(Read32(offset)) | static_cast<std::uint64_t>(Read32(offset + 4))
                                                          << 32;
}

void TArchiveEntryRecord::Write64(std::size_t offset, std::uint64_t value) {
  for (std::size_t i = 0; i < 8; ++i)
    Bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

bool IsValidDate(int year, int month, int day) {
  static constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1 || month < 1 || month > 12 || day < 1) return false;
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return day <= kMonthDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::int64_t DaysSince1601(int year, int month, int day) {
  // Civil-from-days inverted (era arithmetic over 400-year cycles).
  const int y = year - (month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const std::int64_t daysSince1970 = static_cast<std::int64_t>(era) * 146097 + dayOfEra - 719468;
  return daysSince1970 + 134774;  // 1601-01-01 .. 1970-01-01
}

std::uint64_t DosDateTimeToFileTime(std::uint16_t date, std::uint16_t time) {
  const int year = 1980 + (date >> 9), month = (date >> 5) & 15, day = date & 31;
  const int hour = time >> 11, minute = (time >> 5) & 63, second = (time & 31) * 2;
  if (!IsValidDate(year, month, day) || hour > 23 || minute > 59 || second > 59) return 0;
  const std::int64_t seconds =
      DaysSince1601(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
  return static_cast<std::uint64_t>(seconds) * 10000000u;
}
