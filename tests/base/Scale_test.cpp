#include <gtest/gtest.h>

#include <string>

#include "base/Scale.h"

TEST(Scale, LengthsFollowTheDpiWithHalvesRoundedAwayFromZero) {
  struct Case {
    int dpi, toolBar, cell, icon, window;
  };
  // The tool bar's height, a cell, an icon and the window's width at 96 DPI.
  for (const Case c : {Case{96, 43, 36, 32, 331}, Case{120, 54, 45, 40, 414},
                       Case{144, 65, 54, 48, 497}, Case{192, 86, 72, 64, 662}}) {
    const TScale scale(c.dpi);
    EXPECT_EQ(scale.Pixels(TDip{43}), c.toolBar) << c.dpi;
    EXPECT_EQ(scale.Pixels(TDip{36}), c.cell) << c.dpi;
    EXPECT_EQ(scale.Pixels(TDip{32}), c.icon) << c.dpi;
    EXPECT_EQ(scale.Pixels(TDip{331}), c.window) << c.dpi;
    EXPECT_EQ(scale.Dips(c.window), 331) << "back to the file's units at " << c.dpi;
  }
  EXPECT_EQ(TScale(144).Pixels(TDip{-3}), -5);
  EXPECT_EQ(TScale(144).PixelsFrom(497, TScale(96)), 746);
  EXPECT_EQ(TScale(0).Dpi(), 96) << "a DPI the system cannot mean";
}
