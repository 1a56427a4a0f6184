#include <gtest/gtest.h>

#include <set>

#include "paint/Generators.h"
#include "support/PaintFixture.h"

namespace tessmark {
namespace {

using test::PaintFixture;
using PixelSet = std::set<std::pair<int, int>>;

// The disc of the given radius around (cx, cy), wrapped onto a size x size picture.
PixelSet WrappedDisc(int cx, int cy, int radius, int size) {
  PixelSet disc;
  for (int dy = -radius; dy < radius; ++dy)
    for (int dx = -radius; dx < radius; ++dx)
      if (dx * dx + dy * dy < radius * radius) disc.insert({(cx + dx + 2 * size) % size, (cy + dy + 2 * size) % size});
  return disc;
}

// Rows a disc covers, which is 2 * radius - 1 on a picture taller than the disc.
int PaintedRows(const Picture& picture) {
  std::set<int> rows;
  for (const auto& [x, y] : test::PaintedPixels(picture)) rows.insert(y);
  return static_cast<int>(rows.size());
}

TEST(PaintCircles, DrawsRadiusThenCentreThenColourFromTheSeed) {
  PaintFixture f;
  PaintContext context = f.Context(2024);
  PaintCircles(context, CircleParams{8, 32, 1});

  RandomValue draws(2024);
  const int radius = 8 + draws.Next() % 24;
  const int cx = draws.Next() % 128;
  const int cy = draws.Next() % 128;
  const Color color = test::DrawRandomColor(draws);
  EXPECT_EQ(test::PaintedPixels(f.Target), WrappedDisc(cx, cy, radius, 64));
  EXPECT_EQ(test::PixelAt(f.Target, cx % 64, cy % 64), color);
  EXPECT_EQ(f.Random.Next(), draws.Next()) << "a mixage range of 100 ... 100 draws nothing";
}

TEST(PaintCircles, DrawsTheMixagePercentageAfterTheColour) {
  PaintFixture f;
  f.MixRange = {20, 60};
  PaintContext context = f.Context(11);
  PaintCircles(context, CircleParams{5, 5, 1});

  RandomValue draws(11);
  const int cx = draws.Next() % 128;
  const int cy = draws.Next() % 128;
  const Color color = test::DrawRandomColor(draws);
  const int percent = 20 + draws.Next() % 40;
  const std::uint8_t weight = BlendWeightForPercent(percent);
  EXPECT_EQ(f.BlendWeight, weight);
  EXPECT_EQ(test::PaintedPixels(f.Target), WrappedDisc(cx, cy, 5, 64));
  EXPECT_EQ(test::PixelAt(f.Target, cx % 64, cy % 64).Green, BlendChannel(255, color.Green, weight));
  EXPECT_EQ(f.Random.Next(), draws.Next()) << "equal radii draw no radius";
}

TEST(PaintCircles, RadiiFollowTheRemainderRule) {
  struct Case {
    CircleParams Params;
    std::set<int> Radii;
  };
  const Case cases[] = {{{8, 32, 1}, {}}, {{10, 6, 1}, {10, 11, 12, 13}}};
  for (int c = 0; c < 2; ++c) {
    std::set<int> radii;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
      PaintFixture f(128, 128);
      PaintContext context = f.Context(seed);
      PaintCircles(context, cases[c].Params);
      radii.insert((PaintedRows(f.Target) + 1) / 2);
    }
    if (c == 0) {
      EXPECT_EQ(*radii.begin(), 8);
      EXPECT_EQ(*radii.rbegin(), 31);
    } else {
      EXPECT_EQ(radii, cases[c].Radii);
    }
  }
}

TEST(PaintCircles, ARadiusOfZeroOrLessPaintsNothingButStillCounts) {
  PaintFixture f;
  PaintContext context = f.Context(1);
  PaintCircles(context, CircleParams{0, 0, 5});
  EXPECT_TRUE(test::PaintedPixels(f.Target).empty());
  EXPECT_EQ(f.Polls, 6);
}

TEST(PaintCircles, WithoutWrapOnlyTheTopLeftQuarterOfTheCentreRegionReachesThePicture) {
  PaintFixture f;
  f.Connectable = false;
  PaintContext context = f.Context(8);
  PaintCircles(context, CircleParams{1, 2, 300});  // single pixels at their centres
  RandomValue draws(8);
  PixelSet expected;
  for (int i = 0; i < 300; ++i) {
    draws.Next();  // a radius of 1 + draw mod 1
    const int cx = draws.Next() % 128, cy = draws.Next() % 128;
    test::DrawRandomColor(draws);
    if (cx < 64 && cy < 64) expected.insert({cx, cy});
  }
  EXPECT_EQ(test::PaintedPixels(f.Target), expected);
}

}  // namespace
}  // namespace tessmark
