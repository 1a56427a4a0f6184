#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "picture/PolygonCounts.h"
#include "picture/Rasterisers.h"
#include "picture/RowWrites.h"
#include "support/PaintFixture.h"

namespace tessmark {
namespace {

// Each pixel the crossing test puts inside, one WritePixel each: on each row, those from the
// leftmost edge to the rightmost.
void WriteEachPixel(const Canvas& canvas, const std::vector<Point>& polygon) {
  std::vector<std::int32_t> xs, ys;
  for (const Point& p : polygon) xs.push_back(p.X), ys.push_back(p.Y);
  const auto [minY, maxY] = std::minmax_element(ys.begin(), ys.end());
  for (std::int32_t y = *minY; y <= *maxY; ++y) {
    double left = INFINITY, right = -INFINITY;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
      const Point a = polygon[j], b = polygon[i];
      if (y < std::min(a.Y, b.Y) || y > std::max(a.Y, b.Y)) continue;
      const double x = a.Y == b.Y ? a.X : a.X + double(b.X - a.X) * double(y - a.Y) / double(b.Y - a.Y);
      left = std::min({left, x, a.Y == b.Y ? double(b.X) : x});
      right = std::max({right, x, a.Y == b.Y ? double(b.X) : x});
    }
    for (auto x = std::int64_t(std::floor(left)) - 1; x <= std::int64_t(std::ceil(right)) + 1; ++x)
      if (PointInPolygon(xs, ys, std::int32_t(x), y)) WritePixel(canvas, x, y, {9, 180, 77});
  }
}

// The polygon moved by whole pictures, as far towards the ends of the coordinate range as it goes.
std::vector<Point> MovedFar(std::vector<Point> polygon, std::int32_t width, std::int32_t height) {
  for (Point& p : polygon) {
    p.X -= 2'000'000'000 / width * width;
    p.Y += 2'000'000'000 / height * height;
  }
  return polygon;
}

// Thin shapes thousands of times taller than the picture never settle a row, so their rows are
// counted from the edges: slightly tilted, degenerate (whole on few rows or many), spiked and with
// edges crossing over, near the origin and near the ends of the coordinate range. Near level and
// thousands of picture heights long, the rows landing on a picture row are taken all at once.
TEST(PolygonCounts, LongThinShapesEndAsWrittenPixelByPixel) {
  struct Shapes {
    std::vector<std::vector<Point>> Shapes;
    std::vector<std::pair<std::int32_t, std::int32_t>> Sizes;
  };
  const std::vector<Shapes> cases{
      {{{{0, 0}, {211, 6000}, {213, 5999}, {2, -1}},
        {{5, 3}, {-180, 6007}, {-180, 6007}, {5, 3}},
        {{0, 0}, {3, 5500}, {7, 1}},
        {{0, 0}, {90, 6000}, {0, 6000}, {90, 0}},
        {{-3, 0}, {-1, 5000}, {60, 5001}, {1, 5}, {0, 3500}},
        {{0, 0}, {90, 6000}, {90, 6000}, {0, 0}},
        {{0, 0}, {300, 6000}, {300, 6000}, {0, 0}}},
       {{13, 11}, {64, 5}, {7, 64}}},
      {{{{0, 0}, {461'805, 400'001}, {461'805, 400'001}, {0, 0}},
        {{7, 0}, {-661'808, 400'003}, {-661'808, 400'003}, {7, 0}},
        {{0, 0}, {461'805, 400'001}, {461'807, 400'001}, {2, 0}},
        {{0, 0}, {461'600, 399'800}, {461'600, 399'800}, {0, 0}}},
       {{64, 256}}},
      {{{{0, 0}, {426'920, 256'620}, {426'920, 256'620}, {0, 0}}}, {{16, 256}}},
  };
  for (const auto& [shapes, sizes] : cases) {
    for (const auto& [width, height] : sizes) {
      for (const std::uint8_t weight : {std::uint8_t{1}, std::uint8_t{100}, std::uint8_t{255}}) {
        for (std::size_t i = 0; i < shapes.size(); ++i) {
          Picture counted = test::GradientPicture(width, height), far = test::GradientPicture(width, height), written = test::GradientPicture(width, height);
          DrawPolygon(Canvas{counted, true, weight}, shapes[i], {9, 180, 77}, true);
          DrawPolygon(Canvas{far, true, weight}, MovedFar(shapes[i], width, height), {9, 180, 77}, true);
          WriteEachPixel(Canvas{written, true, weight}, shapes[i]);
          EXPECT_TRUE(test::SamePixels(counted, written)) << "shape " << i << " weight " << int(weight) << " on "
                                                          << width << " x " << height;
          EXPECT_TRUE(test::SamePixels(far, written)) << "far shape " << i << " weight " << int(weight);
        }
      }
    }
  }
}

// Rows wider than one counted stretch: a thin shape across the border of two stretches.
TEST(PolygonCounts, WideRowsAreCountedAStretchAtATime) {
  constexpr std::int32_t Border = RowWrites::MaxColumns;
  const std::vector<Point> stroke{{Border - 900, 0}, {Border, 12000}, {Border + 3, 12000}, {Border - 897, 0}};
  Picture counted = test::WhitePicture(Border + 5, 1), written = test::WhitePicture(Border + 5, 1);
  DrawPolygon(Canvas{counted, true, 1}, stroke, {9, 180, 77}, true);
  WriteEachPixel(Canvas{written, true, 1}, stroke);
  EXPECT_TRUE(test::SamePixels(counted, written));
}

// Painting would visit up to two million rows of these for each row of the picture; counting one
// costs no more than painting about a thousand, whatever the direction, near level (209 and 331
// degrees, where a pixel is written too few times to settle) included. A line from the bottom to
// the top of the coordinates, which writes every pixel hundreds of times, costs more.
TEST(PolygonCounts, CountingARowCostsLittleHoweverLongTheShape) {
  constexpr double Longest = 2'147'483'646;  // one short of the limit, so the far corner's + 1 fits
  const std::vector<Point> upright{{-1'000'000'000, -2'147'483'647}, {-1'100'000'000, 2'147'483'647}};
  EXPECT_LE(PolygonCounts(upright, 2048, 2048).RowCost(), 32768);
  std::vector<std::vector<Point>> shapes;
  std::vector<int> directions{209, 331};
  for (int degrees = 0; degrees < 360; degrees += 7) directions.push_back(degrees);
  for (const int degrees : directions) {
    const double theta = degrees / 180.0 * 3.14159265358979;
    const Point end{TruncateToInt32(std::cos(theta) * Longest), TruncateToInt32(std::sin(theta) * Longest)};
    shapes.push_back({{0, 0}, end, {end.X + 1, end.Y + 1}, {1, 1}});
    shapes.push_back({{0, 0}, end, end, {0, 0}});
  }
  for (const auto& shape : shapes) EXPECT_LE(PolygonCounts(shape, 2048, 2048).RowCost(), 1280);
}

}  // namespace
}  // namespace tessmark
