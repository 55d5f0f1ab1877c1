#pragma once
// The user interface's 32-bit colour value: 0x00BBGGRR for an RGB colour, or
// 0x80000000 plus a system colour index. Stored as a signed decimal number.

#include <cstdint>

using TColor = std::int32_t;

constexpr TColor SystemColor(int index) {
  return static_cast<TColor>(0x80000000u | static_cast<std::uint32_t>(index));
}
constexpr bool IsSystemColor(TColor color) { return color < 0; }
constexpr int SystemColorIndex(TColor color) { return color & 0xFF; }

constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor clBlack = 0;

static_assert(clBtnHighlight == -2147483628 && clBtnFace == -2147483633 &&
              clBtnShadow == -2147483632);
