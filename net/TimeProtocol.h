#pragma once
// The Time protocol's reply (RFC 868): a big-endian count of seconds since
// 1900-01-01 00:00 UTC, and the calendar time the clock is set to.

#include <cstdint>
#include <span>

// A UTC calendar time, field for field what the system clock takes.
struct TClockTime {
  std::uint16_t Year = 0;
  std::uint16_t Month = 0;
  std::uint16_t Day = 0;
  std::uint16_t Hour = 0;
  std::uint16_t Minute = 0;
  std::uint16_t Second = 0;
  std::uint16_t Milliseconds = 0;
  bool operator==(const TClockTime&) const = default;
};

// Folds the bytes big-endian in 32 bits: four bytes give the protocol's value,
// more than four leave the last four, fewer a smaller value, none 0.
[[nodiscard]] std::uint32_t TimeIntFromBytes(std::span<const std::uint8_t> bytes);

// The time of day (UTC) of the same fold taken without wrapping; the date part
// is dropped.
[[nodiscard]] TClockTime TimeOfDayFromBytes(std::span<const std::uint8_t> bytes);

// The calendar time of a count of milliseconds since 1900-01-01. The
// protocol's seconds are unsigned, so that counts of 2^31 and above (after
// 1968-01-20) stay in the future.
[[nodiscard]] TClockTime ClockTimeFromMilliseconds(std::uint64_t milliseconds);
