#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "paint/Generators.h"
#include "support/PaintFixture.h"

namespace tessmark {
namespace {

using test::PaintFixture;

// Steps of 90 degrees give vertices at 90, 180 and 270 degrees. With pi = 3.141592654 the cosine at
// 90 degrees and the sine at 180 degrees are tiny negative numbers, so those coordinates truncate
// one lower; the cosine at 270 degrees is tiny and positive.
TEST(PaintPolygons, RightAngleStepsGiveATriangle) {
  for (const bool fill : {false, true}) {
    PaintFixture f;
    f.Connectable = false;
    PaintContext context = f.Context(1);
    PaintPolygons(context, PolygonParams{10, 10, 90, 90, 1, std::uint8_t(fill), {}});

    RandomValue draws(1);
    const int cx = draws.Next() % 72 - 8;  // 1.125 x 64 wide, from an eighth of the width before the edge
    const int cy = draws.Next() % 72 - 8;
    ASSERT_GT(cx, 10);
    ASSERT_GT(cy, 10);
    const Color color = test::DrawRandomColor(draws);
    const std::array<Point, 3> triangle{{{cx - 1, cy + 10}, {cx - 10, cy - 1}, {cx, cy - 10}}};
    EXPECT_TRUE(test::HoldsOnlyPolygon(f, triangle, color, fill)) << "fill " << fill;
    EXPECT_EQ(f.Random.Next(), draws.Next());
  }
}

TEST(PaintPolygons, EachVertexDrawsItsRadiusThenItsStep) {
  PaintFixture f;
  PaintContext context = f.Context(31);
  PaintPolygons(context, PolygonParams{5, 9, 100, 140, 1, 0, {}});

  RandomValue draws(31);
  const int cx = draws.Next() % 192 - 64;  // three picture sizes wide, from one before the edge
  const int cy = draws.Next() % 192 - 64;
  std::vector<Point> vertices;
  for (int angle = 0;;) {
    const int radius = 5 + draws.Next() % 4;
    angle += 100 + draws.Next() % 40;
    if (angle >= 360) break;
    const double theta = angle / 180.0 * 3.141592654;
    vertices.push_back({static_cast<int>(cx + std::cos(theta) * radius), static_cast<int>(cy + std::sin(theta) * radius)});
  }
  ASSERT_GE(vertices.size(), 2u);
  const Color color = test::DrawRandomColor(draws);
  EXPECT_TRUE(test::HoldsOnlyPolygon(f, vertices, color, false));
  EXPECT_EQ(f.Random.Next(), draws.Next());
}

TEST(PaintPolygons, CentresWithoutWrapStartAnEighthBeforeTheEdge) {
  PaintFixture f(512, 512);
  f.Connectable = false;
  PaintContext context = f.Context(6);
  PaintPolygons(context, PolygonParams{1, 1, 90, 90, 2000, 1, {}});
  // Each shape draws its centre and a colour; rx must span 0 ... 575, so cx spans -64 ... 511.
  RandomValue draws(6);
  int low = 1000, high = -1000;
  for (int i = 0; i < 2000; ++i) {
    const int cx = draws.Next() % 576 - 64;
    draws.Next();
    test::DrawRandomColor(draws);
    low = std::min(low, cx);
    high = std::max(high, cx);
  }
  EXPECT_EQ(f.Random.Next(), draws.Next());
  EXPECT_EQ(low, -64);
  EXPECT_EQ(high, 511);
}

TEST(PaintPolygons, AFirstStepOf360OrMorePaintsNothingYetCounts) {
  PaintFixture f;
  PaintContext context = f.Context(2);
  PaintPolygons(context, PolygonParams{16, 64, 400, 500, 7, 1, {}});
  EXPECT_TRUE(test::PaintedPixels(f.Target).empty());
  EXPECT_EQ(f.Polls, 8);
}

TEST(PaintPolygons, StepsOfZeroOrLessEndAtTheVertexListsCapacity) {
  for (const PolygonParams params : {PolygonParams{16, 64, 0, 0, 1, 1, {}}, PolygonParams{16, 64, -5, 3, 1, 0, {}},
                                     PolygonParams{16, 16, -90, -90, 1, 0, {}}}) {
    PaintFixture f;
    PaintContext context = f.Context(2);
    PaintPolygons(context, params);
    EXPECT_EQ(f.Polls, 2);
  }
  // With fixed radii and steps the vertex loop draws nothing: 16384 vertices all at 0 degrees.
  PaintFixture f;
  PaintContext context = f.Context(2);
  PaintPolygons(context, PolygonParams{16, 16, 0, 0, 1, 0, {}});
  RandomValue draws(2);
  for (int i = 0; i < 5; ++i) draws.Next();
  EXPECT_EQ(f.Random.Next(), draws.Next());
  EXPECT_TRUE(test::PaintedPixels(f.Target).empty());
}

}  // namespace
}  // namespace tessmark
