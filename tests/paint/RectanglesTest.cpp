#include <gtest/gtest.h>

#include <set>

#include "paint/Generators.h"
#include "support/PaintFixture.h"

namespace tessmark {
namespace {

using test::PaintFixture;
using PixelSet = std::set<std::pair<int, int>>;

struct Extent {
  int Columns = 0;
  int Rows = 0;
};

Extent PaintedExtent(const Picture& picture) {
  std::set<int> columns, rows;
  for (const auto& [x, y] : test::PaintedPixels(picture)) {
    columns.insert(x);
    rows.insert(y);
  }
  return {static_cast<int>(columns.size()), static_cast<int>(rows.size())};
}

TEST(PaintRectangles, DrawsCornerThenSizeThenColourFromTheSeed) {
  PaintFixture f;
  PaintContext context = f.Context(99);
  PaintRectangles(context, RectangleParams{4, 4, 32, 32, 1});

  RandomValue draws(99);
  const int x0 = draws.Next() % 128, y0 = draws.Next() % 128;
  const int width = 4 + draws.Next() % 28, height = 4 + draws.Next() % 28;
  const Color color = test::DrawRandomColor(draws);
  PixelSet expected;
  for (int y = y0; y < y0 + height; ++y)
    for (int x = x0; x < x0 + width; ++x) expected.insert({x % 64, y % 64});
  EXPECT_EQ(test::PaintedPixels(f.Target), expected);
  EXPECT_EQ(test::PixelAt(f.Target, x0 % 64, y0 % 64), color);
  EXPECT_EQ(f.Random.Next(), draws.Next());
}

TEST(PaintRectangles, SizesFollowTheRemainderRule) {
  std::set<int> widths, heights;
  for (std::uint32_t seed = 1; seed <= 400; ++seed) {
    PaintFixture f(128, 128);
    PaintContext context = f.Context(seed);
    PaintRectangles(context, RectangleParams{4, 10, 32, 12, 1});
    const Extent e = PaintedExtent(f.Target);
    widths.insert(e.Columns);
    heights.insert(e.Rows);
  }
  EXPECT_EQ(*widths.begin(), 4);
  EXPECT_EQ(*widths.rbegin(), 31);
  EXPECT_EQ(heights, (std::set<int>{10, 11}));
}

TEST(PaintRectangles, EqualBoundsDrawNoSizeAndInvertedBoundsRunPastTheMinimum) {
  PaintFixture f;
  PaintContext context = f.Context(4);
  PaintRectangles(context, RectangleParams{5, 7, 5, 7, 1});
  EXPECT_EQ(test::PaintedPixels(f.Target).size(), 35u);
  RandomValue draws(4);
  for (int i = 0; i < 5; ++i) draws.Next();  // corner and colour only
  EXPECT_EQ(f.Random.Next(), draws.Next());

  std::set<int> widths;
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    PaintFixture g(128, 128);
    PaintContext inverted = g.Context(seed);
    PaintRectangles(inverted, RectangleParams{6, 3, 3, 3, 1});
    widths.insert(PaintedExtent(g.Target).Columns);
  }
  EXPECT_EQ(widths, (std::set<int>{6, 7, 8}));
}

TEST(PaintRectangles, ASizeOfZeroOrLessPaintsNothing) {
  PaintFixture f;
  PaintContext context = f.Context(4);
  PaintRectangles(context, RectangleParams{0, 5, 0, 9, 20});
  PaintRectangles(context, RectangleParams{5, -3, 9, -3, 20});
  EXPECT_TRUE(test::PaintedPixels(f.Target).empty());
}

}  // namespace
}  // namespace tessmark
