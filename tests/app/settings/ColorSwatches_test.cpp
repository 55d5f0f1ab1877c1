#include <gtest/gtest.h>

#include "app/settings/ColorSwatches.h"

TEST(ColorSwatches, EachSetGivesTenColoursAndLeavesTheUseCountColour) {
  TSettings settings;
  settings.CountC = 0x000000FF;
  TSwatchColors swatches = SwatchColors(settings);
  ApplyColorSet(1, swatches);
  TakeSwatchColors(swatches, settings);
  EXPECT_EQ(settings.BH, 0x00FFFFFF);
  EXPECT_EQ(settings.BM, clBtnFace);
  EXPECT_EQ(settings.NameC, 0);
  EXPECT_EQ(settings.TabBC, clBtnFace);
  EXPECT_EQ(settings.CountC, 0x000000FF);
  ApplyColorSet(2, swatches);
  TakeSwatchColors(swatches, settings);
  EXPECT_EQ(settings.NameC, 0x00FFFF00);
  EXPECT_EQ(settings.TabC, 0x0000FF00);
  EXPECT_EQ(settings.TabBC, 0x00804000);
  EXPECT_EQ(settings.CountC, 0x000000FF);
}
