#pragma once
// The digit control's number: a fixed-point value with four decimals in a
// 64-bit integer, as the platform's currency type holds it.

#include <compare>
#include <cstdint>
#include <limits>

class TCurrency {
 public:
  static constexpr std::int64_t kScale = 10000;
  // The largest whole number the type holds.
  static constexpr std::int64_t kMaxWhole = std::numeric_limits<std::int64_t>::max() / kScale;

  constexpr TCurrency() = default;
  // A whole number, |whole| <= kMaxWhole.
  constexpr TCurrency(std::int64_t whole)
      : scaled_(whole * kScale) {}  // NOLINT: implicit by design
  // 1.25 is FromScaled(12500).
  [[nodiscard]] static constexpr TCurrency FromScaled(std::int64_t scaled) {
    TCurrency value;
    value.scaled_ = scaled;
    return value;
  }

  [[nodiscard]] constexpr std::int64_t Scaled() const { return scaled_; }
  // The whole part, truncated toward zero.
  [[nodiscard]] constexpr std::int64_t Truncated() const { return scaled_ / kScale; }
  constexpr auto operator<=>(const TCurrency&) const = default;

 private:
  std::int64_t scaled_ = 0;
};
