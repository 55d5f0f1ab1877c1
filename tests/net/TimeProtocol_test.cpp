#include <gtest/gtest.h>

#include <vector>

#include "net/TimeProtocol.h"

namespace {

std::uint32_t TimeInt(std::vector<std::uint8_t> bytes) { return TimeIntFromBytes(bytes); }
TClockTime TimeOfDay(std::vector<std::uint8_t> bytes) { return TimeOfDayFromBytes(bytes); }
TClockTime ClockTime(std::uint32_t seconds) { return ClockTimeFromMilliseconds(seconds * 1000ULL); }

TClockTime Time(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return {static_cast<std::uint16_t>(year),
          static_cast<std::uint16_t>(month),
          static_cast<std::uint16_t>(day),
          static_cast<std::uint16_t>(hour),
          static_cast<std::uint16_t>(minute),
          static_cast<std::uint16_t>(second),
          0};
}

}  // namespace

void PrintTo(const TClockTime& t, std::ostream* out) {
  *out << t.Year << '-' << t.Month << '-' << t.Day << ' ' << t.Hour << ':' << t.Minute << ':'
       << t.Second << '.' << t.Milliseconds;
}

TEST(TimeProtocol, FourBytesAreBigEndianAndUnsigned) {
  EXPECT_EQ(TimeInt({0xE1, 0x00, 0x00, 0x00}), 3774873600u);
  EXPECT_EQ(ClockTime(3774873600u), Time(2019, 8, 15, 16));
  EXPECT_EQ(TimeInt({0x00, 0x00, 0x00, 0x00}), 0u);
  EXPECT_EQ(ClockTime(0), Time(1900, 1, 1));
  EXPECT_EQ(ClockTime(0xFFFFFFFFu), Time(2036, 2, 7, 6, 28, 15));
}

TEST(TimeProtocol, MoreThanFourBytesKeepTheLastFourAndFewerGiveASmallerValue) {
  EXPECT_EQ(TimeInt({0x12, 0x34, 0xE1, 0x00, 0x00, 0x01}), 0xE1000001u);
  EXPECT_EQ(TimeInt({0xE1, 0x00, 0x01}), 0xE10001u);
  EXPECT_EQ(TimeInt({0x7F}), 0x7Fu);
  EXPECT_EQ(TimeInt({}), 0u);
}

TEST(TimeProtocol, WholeDaysGiveMidnight) {
  // 1900 is no leap year; 2000 is one.
  const struct {
    std::uint32_t days;
    TClockTime date;
  } cases[] = {{1, Time(1900, 1, 2)},       {59, Time(1900, 3, 1)},     {365, Time(1901, 1, 1)},
               {36523, Time(1999, 12, 31)}, {36583, Time(2000, 2, 29)}, {43690, Time(2019, 8, 15)},
               {24855, Time(1968, 1, 20)}};
  for (const auto& c : cases) {
    EXPECT_EQ(ClockTime(86400u * c.days), c.date) << c.days << " days";
  }
}

TEST(TimeProtocol, TimeOfDayDropsTheDateAndNeverWraps) {
  EXPECT_EQ(TimeOfDay({0xE1, 0x00, 0x00, 0x00}), Time(0, 0, 0, 16));
  EXPECT_EQ(TimeOfDay({0xE1, 0x00, 0x0E, 0x0F}), Time(0, 0, 0, 16, 59, 59));
  EXPECT_EQ(TimeOfDay({}), Time(0, 0, 0));
  // Five bytes: 0x01_0000_0000 s is 49710 days and 23296 s, taken whole.
  EXPECT_EQ(TimeOfDay({0x01, 0x00, 0x00, 0x00, 0x00}), Time(0, 0, 0, 6, 28, 16));
  // A long reply is still a time of day.
  EXPECT_EQ(TimeOfDay(std::vector<std::uint8_t>(300, 0xFF)).Hour < 24, true);
}
