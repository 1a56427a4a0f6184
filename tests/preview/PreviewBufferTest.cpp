#include "preview/PreviewBuffer.h"

#include <gtest/gtest.h>

#include "support/PictureProbe.h"

namespace tessmark {
namespace {

// A picture whose every pixel tells where it is: red = x, green = y, blue = x + y.
Picture CoordinatePicture(std::int32_t width, std::int32_t height) {
  Picture picture = test::WhitePicture(width, height);
  for (std::int32_t y = 0; y < height; ++y)
    for (std::int32_t x = 0; x < width; ++x) {
      std::uint8_t* p = picture.Row(y) + x * 3;
      p[0] = static_cast<std::uint8_t>(x);
      p[1] = static_cast<std::uint8_t>(y);
      p[2] = static_cast<std::uint8_t>(x + y);
    }
  return picture;
}

std::uint32_t Expected(std::int32_t x, std::int32_t y) {
  return 0xFF000000u | (std::uint32_t(x & 0xFF) << 16) | (std::uint32_t(y & 0xFF) << 8) | std::uint32_t((x + y) & 0xFF);
}

std::uint32_t TilePixel(const PreviewTile& tile, std::int32_t j, std::int32_t i) {
  return tile.Pixels[static_cast<std::size_t>(i) * tile.Width + j];
}

TEST(RenderPreviewTile, AtStepOneIsThePictureItselfAndShowsThreeByThreeCopies) {
  const Picture picture = CoordinatePicture(100, 60);
  std::optional<PreviewTile> tile = RenderPreviewTile(picture, 1, false);
  ASSERT_TRUE(tile);
  EXPECT_EQ(tile->Width, 100);
  EXPECT_EQ(tile->Height, 60);
  for (std::int32_t i = 0; i < 60; ++i)
    for (std::int32_t j = 0; j < 100; ++j) ASSERT_EQ(TilePixel(*tile, j, i), Expected(j, i)) << j << "," << i;
  EXPECT_EQ(PreviewImageSize(tile->Width, tile->Height), (Point{300, 180}));
}

TEST(RenderPreviewTile, ReducesByTakingTheTopLeftPixelOfEveryStepBlock) {
  const Picture picture = CoordinatePicture(100, 60);
  std::optional<PreviewTile> tile = RenderPreviewTile(picture, 3, false);
  ASSERT_TRUE(tile);
  EXPECT_EQ(tile->Width, 33);
  EXPECT_EQ(tile->Height, 20);
  EXPECT_EQ(PreviewImageSize(tile->Width, tile->Height), (Point{99, 60}));
  for (std::int32_t i = 0; i < 20; ++i)
    for (std::int32_t j = 0; j < 33; ++j) ASSERT_EQ(TilePixel(*tile, j, i), Expected(3 * j, 3 * i)) << j << "," << i;
}

TEST(RenderPreviewTile, FrameInvertsTheFirstColumnAndRowButKeepsTheCorner) {
  const Picture picture = CoordinatePicture(9, 7);
  std::optional<PreviewTile> tile = RenderPreviewTile(picture, 1, true);
  ASSERT_TRUE(tile);
  for (std::int32_t i = 0; i < 7; ++i)
    for (std::int32_t j = 0; j < 9; ++j) {
      const bool inverted = (i == 0) != (j == 0);
      const std::uint32_t plain = Expected(j, i);
      ASSERT_EQ(TilePixel(*tile, j, i), inverted ? plain ^ 0x00FFFFFFu : plain) << j << "," << i;
    }
}

TEST(RenderPreviewTile, ShowsNothingForAPictureSmallerThanOneStep) {
  const Picture square = test::WhitePicture(10, 10);
  EXPECT_FALSE(RenderPreviewTile(square, 16, false));
  const Picture strip = test::WhitePicture(40, 5);
  EXPECT_FALSE(RenderPreviewTile(strip, 6, false));
  EXPECT_TRUE(RenderPreviewTile(strip, 5, false));
}

TEST(RenderPreviewTile, KeepsTheStepWithinItsLimits) {
  const Picture picture = CoordinatePicture(64, 64);
  std::optional<PreviewTile> coarse = RenderPreviewTile(picture, 40, false);
  ASSERT_TRUE(coarse);
  EXPECT_EQ(coarse->Width, 4);
  std::optional<PreviewTile> fine = RenderPreviewTile(picture, 0, false);
  ASSERT_TRUE(fine);
  EXPECT_EQ(fine->Width, 64);
}

TEST(PreviewTilePlacements, PutsTheCopiesEdgeToEdgeRowByRow) {
  const std::array<Point, 9> places = PreviewTilePlacements(33, 20);
  EXPECT_EQ(places[0], (Point{0, 0}));
  EXPECT_EQ(places[1], (Point{33, 0}));
  EXPECT_EQ(places[2], (Point{66, 0}));
  EXPECT_EQ(places[3], (Point{0, 20}));
  EXPECT_EQ(places[8], (Point{66, 40}));
}

}  // namespace
}  // namespace tessmark
