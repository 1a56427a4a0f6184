#include "view/DisplayBitmap.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/TestPictures.h"

namespace tessmark {
namespace {

Color Shown(const Bitmap32& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.Row(y) + x * 4;
  EXPECT_EQ(p[3], 0xFF);
  return {p[2], p[1], p[0]};
}

const Color White{255, 255, 255};

TEST(BuildDisplayBitmap, RoundsTheWidthUpAndFillsTheExtraColumnsByWrapOrRepetition) {
  const Picture picture = test::PatternPicture(10, 5);
  const Bitmap32 wrapped = *BuildDisplayBitmap(picture, 1, true);
  const Bitmap32 repeated = *BuildDisplayBitmap(picture, 1, false);
  ASSERT_EQ(wrapped.Width, 12);
  ASSERT_EQ(wrapped.Height, 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 10; ++x) ASSERT_EQ(Shown(wrapped, x, y), test::PixelAt(picture, x, y));
    EXPECT_EQ(Shown(wrapped, 10, y), test::PixelAt(picture, 0, y));
    EXPECT_EQ(Shown(wrapped, 11, y), test::PixelAt(picture, 1, y));
    EXPECT_EQ(Shown(repeated, 10, y), test::PixelAt(picture, 9, y));
    EXPECT_EQ(Shown(repeated, 11, y), test::PixelAt(picture, 9, y));
  }
  EXPECT_EQ(BuildDisplayBitmap(test::PatternPicture(8, 3), 1, true)->Width, 8);
}

TEST(BuildDisplayBitmap, SamplesTheTopLeftPixelOfEachBlockAndLeavesTheRestWhite) {
  const Picture picture = test::PatternPicture(10, 5);
  for (bool connectable : {true, false}) {
    const Bitmap32 bitmap = *BuildDisplayBitmap(picture, 2, connectable);
    ASSERT_EQ(bitmap.Width, 12);
    for (int i = 0; i < 2; ++i) {
      for (int j = 0; j < 5; ++j) EXPECT_EQ(Shown(bitmap, j, i), test::PixelAt(picture, 2 * j, 2 * i));
      EXPECT_EQ(Shown(bitmap, 5, i), test::PixelAt(picture, connectable ? 0 : 8, 2 * i));
      for (int j = 6; j < 12; ++j) EXPECT_EQ(Shown(bitmap, j, i), White);
    }
    for (int i = 2; i < 5; ++i)
      for (int j = 0; j < 12; ++j) EXPECT_EQ(Shown(bitmap, j, i), White);
  }
}

TEST(BuildDisplayBitmap, ShowsNothingButWhiteWhenTheZoomExceedsThePicture) {
  const Bitmap32 bitmap = *BuildDisplayBitmap(test::PatternPicture(3, 3), 16, true);
  ASSERT_EQ(bitmap.Width, 4);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Shown(bitmap, x, y), White);
  const Bitmap32 oneColumn = *BuildDisplayBitmap(test::PatternPicture(1, 4), 3, false);
  EXPECT_EQ(Shown(oneColumn, 0, 0), test::PixelAt(test::PatternPicture(1, 4), 0, 0));
  EXPECT_EQ(Shown(oneColumn, 0, 1), White);
}

TEST(RebuildDisplayBitmap, ReusesABitmapOfTheRightSizeAndReplacesOneOfAnother) {
  const Picture picture = test::PatternPicture(10, 5);
  std::optional<Bitmap32> display;
  ASSERT_TRUE(RebuildDisplayBitmap(display, picture, 2, true));
  const std::uint8_t* first = display->Bytes();
  ASSERT_TRUE(RebuildDisplayBitmap(display, picture, 1, true));
  EXPECT_EQ(display->Bytes(), first);
  const std::optional<Bitmap32> fresh = BuildDisplayBitmap(picture, 1, true);
  EXPECT_EQ(std::memcmp(display->Bytes(), fresh->Bytes(), fresh->ByteCount()), 0);

  const Picture other = test::PatternPicture(13, 6);
  ASSERT_TRUE(RebuildDisplayBitmap(display, other, 1, false));
  EXPECT_EQ(display->Width, 16);
  EXPECT_EQ(display->Height, 6);
  EXPECT_EQ(Shown(*display, 15, 5), test::PixelAt(other, 12, 5));
}

TEST(RebuildDisplayBitmap, RefusesABitmapBeyondTheMemoryTheSystemCanGive) {
  const Picture picture = *CreatePicture(2100, 2100);  // a 17.6 MB display, enough to be weighed
  std::optional<Bitmap32> display = BuildDisplayBitmap(test::PatternPicture(4, 4), 1, true);
  EXPECT_FALSE(RebuildDisplayBitmap(display, picture, 1, true, [] { return std::optional<std::uint64_t>(10'000'000); }));
  EXPECT_FALSE(display);
}

TEST(RefreshDisplayPart, RebuildsOnlyThePartAsTheWholeBuildWouldAndRefusesAStaleDisplay) {
  const Picture before = test::WhitePicture(10, 9);
  const Picture after = test::PatternPicture(10, 9);
  for (const int zoom : {1, 2, 3})
    for (const bool connectable : {true, false}) {
      Bitmap32 display = *BuildDisplayBitmap(before, zoom, connectable);
      ASSERT_TRUE(RefreshDisplayPart(display, after, zoom, connectable, {1, 2, 20, 6}));
      const Bitmap32 now = *BuildDisplayBitmap(after, zoom, connectable);
      for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x) {
          const bool inside = x >= 1 && y >= 2 && y < 8;
          EXPECT_EQ(Shown(display, x, y), inside ? Shown(now, x, y) : White) << zoom << connectable << x << "," << y;
        }
    }
  Bitmap32 small = *BuildDisplayBitmap(test::PatternPicture(4, 4), 1, true);
  EXPECT_FALSE(RefreshDisplayPart(small, after, 1, true, {0, 0, 4, 4}));
}

}  // namespace
}  // namespace tessmark
