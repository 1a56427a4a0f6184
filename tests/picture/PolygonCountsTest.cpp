#include <gtest/gtest.h>

#include <vector>

#include "picture/PolygonCounts.h"
#include "picture/Rasterisers.h"
#include "support/PaintFixture.h"

namespace tessmark {
namespace {

Picture Gradient(std::int32_t width, std::int32_t height) {
  Picture picture = test::WhitePicture(width, height);
  for (std::size_t i = 0; i < picture.ByteCount(); ++i) picture.Pixels()[i] = static_cast<std::uint8_t>(i * 13);
  return picture;
}

// Each pixel of the bounding box the crossing test puts inside, one WritePixel each.
void WriteEachPixel(const Canvas& canvas, const std::vector<Point>& polygon) {
  std::vector<std::int32_t> xs, ys;
  for (const Point& p : polygon) xs.push_back(p.X), ys.push_back(p.Y);
  const auto [minX, maxX] = std::minmax_element(xs.begin(), xs.end());
  const auto [minY, maxY] = std::minmax_element(ys.begin(), ys.end());
  for (std::int32_t y = *minY; y <= *maxY; ++y)
    for (std::int32_t x = *minX; x <= *maxX; ++x)
      if (PointInPolygon(xs, ys, x, y)) WritePixel(canvas, x, y, {9, 180, 77});
}

// Thin shapes thousands of times taller than the picture never settle a row, so their rows are
// counted from the edges: slightly tilted, degenerate, spiked and with edges crossing over.
TEST(PolygonCounts, LongThinShapesEndAsWrittenPixelByPixel) {
  const std::vector<std::vector<Point>> shapes{
      {{0, 0}, {211, 12000}, {213, 11999}, {2, -1}},
      {{5, 3}, {-180, 12007}, {-180, 12007}, {5, 3}},
      {{0, 0}, {3, 11000}, {7, 1}},
      {{0, 0}, {90, 12000}, {0, 12000}, {90, 0}},
      {{-3, 0}, {-1, 10000}, {60, 10001}, {1, 5}, {0, 7000}},
  };
  for (const auto& [width, height] : {std::pair{13, 11}, std::pair{64, 5}, std::pair{7, 64}}) {
    for (const std::uint8_t weight : {std::uint8_t{1}, std::uint8_t{100}, std::uint8_t{255}}) {
      for (std::size_t i = 0; i < shapes.size(); ++i) {
        Picture counted = Gradient(width, height), written = Gradient(width, height);
        DrawPolygon(Canvas{counted, true, weight}, shapes[i], {9, 180, 77}, true);
        WriteEachPixel(Canvas{written, true, weight}, shapes[i]);
        EXPECT_TRUE(test::SamePixels(counted, written)) << "shape " << i << " weight " << int(weight) << " on "
                                                        << width << " x " << height;
      }
    }
  }
}

}  // namespace
}  // namespace tessmark
