#pragma once
// The record a library fills for one archive member, followed by the times
// and sizes the frame adds after every successful FindFirst or FindNext.

#include <array>
#include <cstddef>
#include <cstdint>

struct TArchiveEntryRecord {
  static constexpr std::size_t kLibrarySize = 558;  // the library's own part
  static constexpr std::size_t kSize = 598;
  static constexpr std::size_t kWriteTime = 558, kAccessTime = 566, kCreateTime = 574;
  static constexpr std::size_t kOriginalSize = 582, kCompressedSize = 590;

  std::array<std::uint8_t, kSize> Bytes{};

  [[nodiscard]] std::uint32_t OriginalSize32() const { return Read32(0); }
  [[nodiscard]] std::uint32_t CompressedSize32() const { return Read32(4); }
  [[nodiscard]] std::uint16_t DosDate() const { return Read16(22); }
  [[nodiscard]] std::uint16_t DosTime() const { return Read16(24); }
  // FILETIME and int64 fields of the frame's part, at the offsets above.
  [[nodiscard]] std::uint64_t Read64(std::size_t offset) const;
  void Write64(std::size_t offset, std::uint64_t value);

 private:
  [[nodiscard]] std::uint16_t Read16(std::size_t offset) const;
  [[nodiscard]] std::uint32_t Read32(std::size_t offset) const;
};

// A DOS date and time as a FILETIME (100 ns units since 1601-01-01), taken as
// is without a time-zone change; 0 when they do not form a valid date.
[[nodiscard]] std::uint64_t DosDateTimeToFileTime(std::uint16_t date, std::uint16_t time);

// Whether the day exists in the Gregorian calendar (from year 1).
[[nodiscard]] bool IsValidDate(int year, int month, int day);

// Days from 1601-01-01 to the given day of the proleptic Gregorian calendar.
[[nodiscard]] std::int64_t DaysSince1601(int year, int month, int day);
