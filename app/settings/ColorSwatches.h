#pragma once
// The eleven colours of the settings dialog, as its swatches show them, and
// the two colour sets that its buttons put into the swatches.

#include <array>
#include <cstddef>

#include "app/settings/Colors.h"
#include "app/settings/Settings.h"

inline constexpr std::size_t kSwatchCount = 11;
using TSwatchColors = std::array<TColor, kSwatchCount>;

// The setting behind each swatch, in the dialog's order: BH, BM, BL, NameC,
// CountC, LeftC, TopC, TabC, TabBC, FoldaC, StatusC.
inline constexpr std::array<TColor TSettings::*, kSwatchCount> kSwatchSettings = {
    &TSettings::BH,    &TSettings::BM,     &TSettings::BL,   &TSettings::NameC,
    &TSettings::CountC, &TSettings::LeftC, &TSettings::TopC, &TSettings::TabC,
    &TSettings::TabBC, &TSettings::FoldaC, &TSettings::StatusC};

[[nodiscard]] TSwatchColors SwatchColors(const TSettings& settings);
void TakeSwatchColors(const TSwatchColors& swatches, TSettings& settings);

// "ｶﾗｰｾｯﾄ1" is set 1, "ｶﾗｰｾｯﾄ2" set 2: ten swatches take the set's colours;
// the use-count colour stays as it is.
void ApplyColorSet(int set, TSwatchColors& swatches);
