#include <gtest/gtest.h>

#include "app/paint/Picture.h"

namespace {

TPicture Filled(int width, int height, std::uint32_t pixel) {
  return {width, height,
          std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, pixel)};
}

}  // namespace

TEST(Picture, ScalingDownAveragesTheAreaAndATransparentSurroundNeverDarkensAnEdge) {
  constexpr std::uint32_t kRed = 0xFFFF0000;
  // A 4 x 4 picture, red on the left half, clear black on the right.
  TPicture half = Filled(4, 4, 0);
  for (int y = 0; y < 4; ++y) half.Pixels[y * 4] = half.Pixels[y * 4 + 1] = kRed;
  EXPECT_EQ(ScalePicture(half, 2, 2).Pixels, (std::vector<std::uint32_t>{kRed, 0, kRed, 0}));
  // Into one pixel: red still, half covered.
  EXPECT_EQ(ScalePicture(half, 1, 1).Pixels, std::vector<std::uint32_t>{0x80FF0000});
  // 48 to 40, a ratio that splits pixels: a plain picture stays plain.
  EXPECT_EQ(ScalePicture(Filled(48, 48, 0xFF336699), 40, 40), Filled(40, 40, 0xFF336699));
  EXPECT_TRUE(ScalePicture({}, 32, 32).Pixels.empty());
}

TEST(Picture, AnIconPaddedIntoTheJumboListsCornerShowsByItsOpaqueExtent) {
  TPicture padded = Filled(256, 256, 0);
  padded.Pixels[47 * 256 + 20] = 0xFF000000;
  EXPECT_EQ(OpaqueExtent(padded), 48);
  EXPECT_EQ(OpaqueExtent(Filled(256, 256, 0xFF000000)), 256);
}

TEST(Picture, TheSourceIsTheSmallestListAtLeastAsLargeElseTheLargest) {
  const int lists[] = {32, 48, 256};
  for (const auto& [size, source] :
       {std::pair{32, 32}, {40, 48}, {48, 48}, {64, 256}, {300, 256}}) {
    EXPECT_EQ(SourceSizeFor(lists, size), source) << size;
  }
  EXPECT_EQ(SourceSizeFor({}, 32), 0);
}
