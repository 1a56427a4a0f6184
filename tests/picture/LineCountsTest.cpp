#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "picture/LineCounts.h"
#include "picture/Rasterisers.h"
#include "support/PaintFixture.h"

namespace tessmark {
namespace {

struct Outline {
  std::vector<Point> Points;
  std::int32_t Width, Height;
  std::uint8_t Weight;
};

// Outlines writing each pixel dozens of times, too few for it to settle at weight 1, are counted
// line by line; each must end as its lines drawn step by step: every direction, straight runs both ways, slopes of small
// fractions, lines far out whose exact steps come so near a whole row or column that the
// doubles' rounding moves them over, and one writing every pixel often enough for it to settle.
TEST(LineCounts, LongOutlinesEndAsDrawnStepByStep) {
  const std::vector<Outline> outlines{
      {{{0, 0}, {300'001, 7}, {300'000, -90'001}}, 128, 128, 1},
      {{{5, 3}, {-900'000, 900'000}, {5, 900'000}}, 256, 256, 1},
      {{{0, 0}, {0, 600'000}, {-600'000, 600'000}}, 256, 128, 1},
      {{{1, 1}, {3 * 200'000 + 1, 200'001}, {1, 4 * 200'000 + 1}}, 256, 256, 255},
      {{{0, -1'787'992'724}, {16'738'262, -1'774'605'105}}, 1024, 1024, 1},
      {{{1'988'080'787, 0}, {1'997'454'944, 16'591'342}}, 512, 1024, 1},
      {{{1'988'080'787, 0}, {1'997'454'944, 16'591'342}}, 512, 1024, 60},
  };
  for (std::size_t i = 0; i < outlines.size(); ++i) {
    const auto& [points, width, height, weight] = outlines[i];
    Picture counted = test::GradientPicture(width, height), drawn = test::GradientPicture(width, height);
    DrawPolygon(Canvas{counted, true, weight}, points, {9, 180, 77}, false);
    for (std::size_t k = 1; k <= points.size(); ++k) {
      const Point a = points[k - 1], b = points[k % points.size()];
      DrawLine(Canvas{drawn, true, weight}, {9, 180, 77}, a.X, a.Y, b.X, b.Y);
    }
    EXPECT_TRUE(test::SamePixels(counted, drawn)) << "outline " << i;
  }
}

// Drawing a line there and back would take up to eight billion steps; counting takes both lines,
// in any direction, and costs a small share of that.
TEST(LineCounts, CountsTheLongestLinesForASmallShareOfTheirSteps) {
  constexpr double Longest = 2'147'483'647;
  for (int degrees = 0; degrees < 360; degrees += 13) {
    const double theta = degrees / 180.0 * 3.14159265358979;
    const Point end{TruncateToInt32(std::cos(theta) * Longest), TruncateToInt32(std::sin(theta) * Longest)};
    const std::vector<Point> there{{0, 0}, end};
    const LineCounts counts(there, 1, 2048, 2048);
    EXPECT_TRUE(counts.Counted(1) && counts.Counted(2)) << degrees << " degrees";
    EXPECT_LE(counts.Cost() * 6, 2 * LineCounts::Steps(there[0], end)) << degrees << " degrees";
  }
}

}  // namespace
}  // namespace tessmark
