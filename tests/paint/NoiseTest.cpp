#include "paint/Noise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "support/PaintFixture.h"

namespace tessmark {
namespace {

using test::PixelAt;

Picture Grey(std::uint8_t level) {
  Picture picture = test::WhitePicture(16, 9);
  std::fill(picture.Pixels(), picture.Pixels() + picture.ByteCount(), level);
  return picture;
}

NoiseParams Noise(std::uint8_t percent, std::int32_t germe, bool monochrome = false) {
  return NoiseParams{std::uint8_t(monochrome), percent, {}, germe};
}

TEST(NoiseAmplitude, TruncatesAndIsZeroForTwoOrLess) {
  EXPECT_EQ(NoiseAmplitude(0), 0);
  EXPECT_EQ(NoiseAmplitude(1), 2);
  EXPECT_EQ(NoiseAmplitude(50), 127);
  EXPECT_EQ(NoiseAmplitude(100), 255);
  EXPECT_EQ(NoiseAmplitude(255), 650);
}

TEST(NoiseFilter, TheFirstPixelTakesTwoDrawsPerChannel) {
  Picture picture = Grey(100);
  RandomValue random;
  ASSERT_TRUE(NoiseFilter(picture, Noise(50, 42), random, 0));
  RandomValue draws(42);
  std::uint8_t expected[3];
  for (std::uint8_t& channel : expected) {
    int d = draws.Next() % 127;
    if ((draws.Next() & 8191) < 4096) d = -d;
    channel = static_cast<std::uint8_t>(100 + d);
  }
  EXPECT_EQ(PixelAt(picture, 0, 0), (Color{expected[0], expected[1], expected[2]}));
}

TEST(NoiseFilter, AFixedGermeGivesTheSameResultAndZeroTakesTheClock) {
  Picture a = Grey(128), b = Grey(128), c = Grey(128), d = Grey(128);
  RandomValue random;
  NoiseFilter(a, Noise(30, 42), random, 1);
  NoiseFilter(b, Noise(30, 42), random, 2);
  EXPECT_TRUE(test::SamePixels(a, b));
  NoiseFilter(c, Noise(30, 0), random, 1000);
  NoiseFilter(d, Noise(30, 0), random, 1001);
  EXPECT_FALSE(test::SamePixels(c, d));
  Picture e = Grey(128);
  NoiseFilter(e, Noise(30, 1000), random, 5);
  EXPECT_TRUE(test::SamePixels(c, e));
}

TEST(NoiseFilter, OnePercentMovesEachChannelByAtMostOne) {
  Picture picture = Grey(100);
  RandomValue random;
  NoiseFilter(picture, Noise(1, 7), random, 0);
  bool lower = false, higher = false;
  for (std::size_t i = 0; i < picture.ByteCount(); ++i) {
    ASSERT_LE(std::abs(picture.Pixels()[i] - 100), 1);
    lower |= picture.Pixels()[i] == 99;
    higher |= picture.Pixels()[i] == 101;
  }
  EXPECT_TRUE(lower && higher);
}

TEST(NoiseFilter, MonochromeShiftsAllThreeChannelsAlikeExceptWhereClamped) {
  Picture picture = test::WhitePicture(32, 8);
  for (int x = 0; x < 32; ++x)
    for (int y = 0; y < 8; ++y) {
      std::uint8_t* p = picture.Row(y) + 3 * x;
      p[0] = 20, p[1] = 128, p[2] = 240;
    }
  RandomValue random;
  NoiseFilter(picture, Noise(40, 9, true), random, 0);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 32; ++x) {
      const Color c = PixelAt(picture, x, y);
      const int d = c.Green - 128;
      ASSERT_EQ(c.Red, std::clamp(20 + d, 0, 255));
      ASSERT_EQ(c.Blue, std::clamp(240 + d, 0, 255));
    }
  }
}

TEST(NoiseFilter, OnWhiteItCanOnlyLower) {
  Picture picture = Grey(255);
  RandomValue random;
  NoiseFilter(picture, Noise(100, 3), random, 0);
  EXPECT_TRUE(std::any_of(picture.Pixels(), picture.Pixels() + picture.ByteCount(), [](std::uint8_t v) { return v < 255; }));
}

TEST(NoiseFilter, ZeroPercentChangesNothingAndDrawsNothing) {
  Picture picture = Grey(50);
  RandomValue random(5), untouched(5);
  EXPECT_FALSE(NoiseFilter(picture, Noise(0, 42), random, 0));
  EXPECT_TRUE(test::SamePixels(picture, Grey(50)));
  EXPECT_EQ(random.Next(), untouched.Next());
}

TEST(NoiseFilter, TheLargestPercentageDrivesMostChannelsToTheEnds) {
  Picture picture = Grey(128);
  RandomValue random;
  NoiseFilter(picture, Noise(255, 11), random, 0);
  const auto ends = std::count_if(picture.Pixels(), picture.Pixels() + picture.ByteCount(),
                                  [](std::uint8_t v) { return v == 0 || v == 255; });
  EXPECT_GT(ends * 2, static_cast<long>(picture.ByteCount()));
}

}  // namespace
}  // namespace tessmark
