#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>

#include "paint/Generators.h"
#include "support/PaintFixture.h"

namespace tessmark {
namespace {

using test::PaintFixture;

// Direction 0: with pi / 2 = 1.570796327 the cosines at right angles are tiny negative numbers, so
// every corner's x lands one to the left.
TEST(PaintVectors, AStrokeAtDirectionZeroHasItsCornersShiftedLeftByOne) {
  for (const bool fill : {false, true}) {
    PaintFixture f;
    PaintContext context = f.Context(1201);
    PaintVectors(context, VectorParams{20, 20, 9, 9, 1, std::uint8_t(fill), {}});

    RandomValue draws(1201);
    ASSERT_EQ(draws.Next() % 360, 0);
    const int x = draws.Next() % 128, y = draws.Next() % 128;
    ASSERT_GE(x, 1);
    const Color color = test::DrawRandomColor(draws);
    const int half = 4;  // a weight of 9 halved, rounding down
    const std::array<Point, 4> corners{{{x - 1, y + half}, {x + 20 - 1, y + half}, {x + 20 - 1, y - half}, {x - 1, y - half}}};
    EXPECT_TRUE(test::HoldsOnlyPolygon(f, corners, color, fill)) << "fill " << fill;
    EXPECT_EQ(f.Random.Next(), draws.Next());
  }
}

TEST(PaintVectors, DrawsDirectionStartLengthAndWeightInThisOrder) {
  PaintFixture f;
  PaintContext context = f.Context(57);
  PaintVectors(context, VectorParams{8, 256, 8, 48, 1, 0, {}});

  RandomValue draws(57);
  const int direction = draws.Next() % 360;
  const double x = draws.Next() % 128, y = draws.Next() % 128;
  const int length = 8 + draws.Next() % 248;
  const int half = (8 + draws.Next() % 40) / 2;
  const Color color = test::DrawRandomColor(draws);
  const double theta = direction / 180.0 * 3.141592654;
  const double ex = x + std::cos(theta) * length, ey = y + std::sin(theta) * length;
  const double lx = half * std::cos(theta + 1.570796327), ly = half * std::sin(theta + 1.570796327);
  const std::array<Point, 4> corners{{{int(x + lx), int(y + ly)}, {int(ex + lx), int(ey + ly)},
                                      {int(ex - lx), int(ey - ly)}, {int(x - lx), int(y - ly)}}};
  EXPECT_TRUE(test::HoldsOnlyPolygon(f, corners, color, false));
  EXPECT_EQ(f.Random.Next(), draws.Next());
}

TEST(PaintVectors, ANegativeWeightIsHalvedTowardMinusInfinity) {
  PaintFixture f;
  PaintContext context = f.Context(1201);
  // Half -2: the sides swap, and the tiny cosines turn positive, so no corner moves left.
  PaintVectors(context, VectorParams{20, 20, -3, -3, 1, 0, {}});
  RandomValue draws(1201);
  draws.Next();
  const int x = draws.Next() % 128, y = draws.Next() % 128;
  const Color color = test::DrawRandomColor(draws);
  const std::array<Point, 4> corners{{{x, y - 2}, {x + 20, y - 2}, {x + 20, y + 2}, {x, y + 2}}};
  EXPECT_TRUE(test::HoldsOnlyPolygon(f, corners, color, false));
}

}  // namespace
}  // namespace tessmark
