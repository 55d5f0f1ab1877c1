#include "app/settings/ColorSwatches.h"

#include <optional>

namespace {

using TColorSet = std::array<std::optional<TColor>, kSwatchCount>;
constexpr std::optional<TColor> kKept = std::nullopt;  // CountC

constexpr TColorSet kColorSet1 = {0x00FFFFFF, clBtnFace, 0x00000000, 0x00000000,
                                  kKept,      clBtnFace, clBtnFace,  0x00000000,
                                  clBtnFace,  clBtnFace, clBtnFace};
constexpr TColorSet kColorSet2 = {0x00C0C0C0, 0x00808080, 0x00000000, 0x00FFFF00,
                                  kKept,      0x00808000, 0x00808080, 0x0000FF00,
                                  0x00804000, 0x00808080, 0x00C08080};

}  // namespace

TSwatchColors SwatchColors(const TSettings& settings) {
  TSwatchColors swatches{};
  for (std::size_t i = 0; i < kSwatchCount; ++i) swatches[i] = settings.*kSwatchSettings[i];
  return swatches;
}

void TakeSwatchColors(const TSwatchColors& swatches, TSettings& settings) {
  for (std::size_t i = 0; i < kSwatchCount; ++i) settings.*kSwatchSettings[i] = swatches[i];
}

void ApplyColorSet(int set, TSwatchColors& swatches) {
  const TColorSet& colors = set == 1 ? kColorSet1 : kColorSet2;
  for (std::size_t i = 0; i < kSwatchCount; ++i) {
    if (colors[i]) swatches[i] = *colors[i];
  }
}
