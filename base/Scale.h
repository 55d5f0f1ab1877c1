#pragma once
// Lengths at 96 dots per inch (100 %) and their pixels at a window's DPI.
// The layout keeps its numbers as TDip in one table; a TScale, made from the
// DPI of the window they are drawn in, turns each into pixels.

#include <cstdint>

#include "base/Geometry.h"

inline constexpr int kDefaultDpi = 96;

// A length in 96-DPI units.
struct TDip {
  int Value = 0;
  constexpr TDip operator+(TDip other) const { return {Value + other.Value}; }
  constexpr TDip operator-(TDip other) const { return {Value - other.Value}; }
  constexpr TDip operator*(int times) const { return {Value * times}; }
  bool operator==(const TDip&) const = default;
};

// value x numerator / denominator, halves rounded away from zero (as the
// system's MulDiv); 0 for a zero denominator.
[[nodiscard]] constexpr int MulDivRounded(int value, int numerator, int denominator) {
  if (denominator == 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  const std::int64_t half = (denominator < 0 ? -denominator : denominator) / 2;
  const bool negative = (product < 0) != (denominator < 0);
  return static_cast<int>((product + (negative ? -half : half)) / denominator);
}

class TScale {
 public:
  constexpr TScale() = default;  // 100 %
  // A DPI the system cannot mean (0 or below) counts as 96.
  constexpr explicit TScale(int dpi) : dpi_(dpi > 0 ? dpi : kDefaultDpi) {}
  [[nodiscard]] constexpr int Dpi() const { return dpi_; }
  [[nodiscard]] constexpr int Pixels(TDip length) const {
    return MulDivRounded(length.Value, dpi_, kDefaultDpi);
  }
  // A rectangle given by its corners in 96-DPI units.
  [[nodiscard]] constexpr TRect Pixels(TDip left, TDip top, TDip right, TDip bottom) const {
    return {Pixels(left), Pixels(top), Pixels(right), Pixels(bottom)};
  }
  // The 96-DPI units of a length in pixels: what the settings file keeps.
  [[nodiscard]] constexpr int Dips(int pixels) const {
    return MulDivRounded(pixels, kDefaultDpi, dpi_);
  }
  // A length measured in pixels at another scale, in pixels of this one.
  [[nodiscard]] constexpr int PixelsFrom(int pixels, TScale other) const {
    return MulDivRounded(pixels, dpi_, other.dpi_);
  }
  bool operator==(const TScale&) const = default;

 private:
  int dpi_ = kDefaultDpi;
};
