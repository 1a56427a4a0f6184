#include "picture/Rasterisers.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "support/PictureProbe.h"

namespace tessmark {
namespace {

using test::Block;
using test::PaintedPixels;
using test::PixelAt;
using test::WhitePicture;
using PixelSet = std::set<std::pair<int, int>>;

const Color Black{0, 0, 0};

// How many times each pixel was written, read back from a weight-127 blend of black over white:
// each write roughly halves the channel, and 255 -> 128 -> 64 -> 32 tells the count apart.
std::map<std::pair<int, int>, int> WriteCounts(const Picture& picture) {
  std::map<std::pair<int, int>, int> counts;
  for (const auto& [x, y] : PaintedPixels(picture)) {
    int value = PixelAt(picture, x, y).Red, n = 0;
    for (int v = 255; v > value; v = BlendChannel(std::uint8_t(v), 0, 127)) ++n;
    counts[{x, y}] = n;
  }
  return counts;
}

TEST(FillRectangle, WritesTheHalfOpenBox) {
  Picture picture = WhitePicture(16, 16);
  FillRectangle(Canvas{picture, false, 255}, 3, 3, 3, 9, Black);
  EXPECT_TRUE(PaintedPixels(picture).empty());
  FillRectangle(Canvas{picture, false, 255}, 0, 0, 2, 3, Black);
  EXPECT_EQ(PaintedPixels(picture), Block(0, 0, 1, 2));
}

TEST(FillRectangle, WrapsAcrossTheCornerAndBlendsRepeatedLapsAgain) {
  Picture picture = WhitePicture(8, 8);
  FillRectangle(Canvas{picture, true, 255}, 6, 7, 10, 9, Black);
  EXPECT_EQ(PaintedPixels(picture), (PixelSet{{6, 7}, {7, 7}, {0, 7}, {1, 7}, {6, 0}, {7, 0}, {0, 0}, {1, 0}}));

  Picture laps = WhitePicture(4, 4);
  FillRectangle(Canvas{laps, true, 127}, 0, 0, 6, 1, Black);  // columns 0 and 1 are reached twice
  const auto counts = WriteCounts(laps);
  EXPECT_EQ(counts.at({0, 0}), 2);
  EXPECT_EQ(counts.at({1, 0}), 2);
  EXPECT_EQ(counts.at({2, 0}), 1);
}

TEST(DrawDisc, CoversExactlyThePixelsInsideTheRadius) {
  Picture picture = WhitePicture(32, 32);
  DrawDisc(Canvas{picture, false, 255}, 10, 10, 0, Black);
  EXPECT_TRUE(PaintedPixels(picture).empty());
  DrawDisc(Canvas{picture, false, 255}, 10, 10, 1, Black);
  EXPECT_EQ(PaintedPixels(picture), Block(10, 10, 10, 10));
  DrawDisc(Canvas{picture, false, 255}, 10, 10, 2, Black);
  EXPECT_EQ(PaintedPixels(picture), Block(9, 9, 11, 11));
  DrawDisc(Canvas{picture, false, 255}, 10, 10, 3, Black);
  EXPECT_EQ(PaintedPixels(picture), Block(8, 8, 12, 12));

  for (int r : {4, 7, 13}) {
    Picture disc = WhitePicture(40, 40);
    DrawDisc(Canvas{disc, false, 255}, 20, 20, r, Black);
    PixelSet expected;
    for (int dx = -r; dx < r; ++dx)
      for (int dy = -r; dy < r; ++dy)
        if (dx * dx + dy * dy < r * r) expected.insert({20 + dx, 20 + dy});
    EXPECT_EQ(PaintedPixels(disc), expected) << "radius " << r;
    if (r == 4) {
      EXPECT_EQ(expected.size(), 45u);
    }
  }
}

TEST(DrawDisc, LargerThanThePictureBlendsEachPixelOncePerLap) {
  Picture picture = WhitePicture(4, 4);
  // A 5 x 5 block on a 4 x 4 picture: offsets -2 and +2 both land on column (and row) 2.
  DrawDisc(Canvas{picture, true, 127}, 0, 0, 3, Black);
  const auto counts = WriteCounts(picture);
  EXPECT_EQ(counts.at({2, 2}), 4);
  EXPECT_EQ(counts.at({2, 3}), 2);
  EXPECT_EQ(counts.at({3, 3}), 1);
  EXPECT_EQ(counts.at({0, 0}), 1);
}

TEST(DrawLine, WritesStraightLinesWithoutTheirEndPoint) {
  Picture picture = WhitePicture(16, 16);
  DrawLine(Canvas{picture, false, 255}, Black, 5, 5, 5, 5);
  EXPECT_TRUE(PaintedPixels(picture).empty());
  DrawLine(Canvas{picture, false, 255}, Black, 0, 0, 3, 0);
  EXPECT_EQ(PaintedPixels(picture), Block(0, 0, 2, 0));

  Picture back = WhitePicture(16, 16);
  DrawLine(Canvas{back, false, 255}, Black, 3, 0, 0, 0);  // going back includes the end point
  EXPECT_EQ(PaintedPixels(back), Block(0, 0, 3, 0));
  Picture down = WhitePicture(16, 16);
  DrawLine(Canvas{down, false, 255}, Black, 2, 1, 2, 4);
  EXPECT_EQ(PaintedPixels(down), Block(2, 1, 2, 3));
  Picture up = WhitePicture(16, 16);
  DrawLine(Canvas{up, false, 255}, Black, 2, 4, 2, 1);
  EXPECT_EQ(PaintedPixels(up), Block(2, 1, 2, 4));
}

TEST(DrawLine, SlopedLinesTakeTwoPassesAndWriteTheStartTwice) {
  Picture picture = WhitePicture(16, 16);
  DrawLine(Canvas{picture, false, 127}, Black, 0, 0, 2, 1);
  const auto counts = WriteCounts(picture);
  EXPECT_EQ(counts, (std::map<std::pair<int, int>, int>{{{0, 0}, 2}, {{1, 0}, 1}}));

  Picture steep = WhitePicture(16, 16);
  DrawLine(Canvas{steep, false, 255}, Black, 6, 6, 3, 0);
  // Along x: (6,6) (5,4) (4,2); along y: b = 0.5 * -1 -> (6,6) (5,5) (5,4) (4,3) (4,2) (3,1) truncated.
  EXPECT_EQ(PaintedPixels(steep), (PixelSet{{6, 6}, {5, 4}, {4, 2}, {5, 5}, {4, 3}, {3, 1}}));
}

TEST(PointInPolygon, FollowsTheEvenOddRuleWithTruncatedCrossings) {
  const std::vector<std::int32_t> none;
  EXPECT_FALSE(PointInPolygon(none, none, 0, 0));
  const std::vector<std::int32_t> flatX{0, 5, 9}, flatY{3, 3, 3};
  EXPECT_FALSE(PointInPolygon(flatX, flatY, 4, 3));
  const std::vector<std::int32_t> xs{0, 10, 0}, ys{0, 0, 10};
  EXPECT_TRUE(PointInPolygon(xs, ys, 0, 0));
  EXPECT_TRUE(PointInPolygon(xs, ys, 4, 4));
  EXPECT_FALSE(PointInPolygon(xs, ys, 10, 0));
  EXPECT_FALSE(PointInPolygon(xs, ys, 0, 10));
  EXPECT_FALSE(PointInPolygon(xs, ys, 5, 5));
}

// The filled polygon is the set of box pixels that pass the crossing test, whatever the shape.
PixelSet ByCrossingTest(const std::vector<Point>& points) {
  std::vector<std::int32_t> xs, ys;
  int minX = 1 << 20, minY = 1 << 20, maxX = -(1 << 20), maxY = -(1 << 20);
  for (const Point& p : points) {
    xs.push_back(p.X);
    ys.push_back(p.Y);
    minX = std::min(minX, p.X), maxX = std::max(maxX, p.X), minY = std::min(minY, p.Y), maxY = std::max(maxY, p.Y);
  }
  PixelSet set;
  for (int y = minY; y <= maxY; ++y)
    for (int x = minX; x <= maxX; ++x)
      if (x >= 0 && y >= 0 && x < 64 && y < 64 && PointInPolygon(xs, ys, x, y)) set.insert({x, y});
  return set;
}

TEST(DrawPolygon, FillsExactlyThePixelsTheCrossingTestAdmits) {
  const std::vector<std::vector<Point>> shapes{
      {{0, 0}, {10, 0}, {0, 10}},
      {{30, 2}, {40, 20}, {31, 9}, {20, 25}, {25, 5}},                           // concave
      {{10, 10}, {50, 10}, {10, 50}, {50, 50}},                                   // self-crossing
      {{5, 40}, {60, 41}, {6, 63}, {33, 35}, {33, 60}, {12, 44}, {58, 62}},     // many crossings a row
      {{2, 2}, {2, 2}, {9, 2}},                                                   // flat
  };
  for (const auto& shape : shapes) {
    Picture picture = WhitePicture(64, 64);
    DrawPolygon(Canvas{picture, false, 255}, shape, Black, true);
    EXPECT_EQ(PaintedPixels(picture), ByCrossingTest(shape));
  }
  Picture triangle = WhitePicture(64, 64);
  DrawPolygon(Canvas{triangle, false, 255}, shapes[0], Black, true);
  const PixelSet painted = PaintedPixels(triangle);
  EXPECT_TRUE(painted.count({0, 0}) && painted.count({4, 4}));
  EXPECT_FALSE(painted.count({10, 0}) || painted.count({0, 10}));
}

TEST(DrawPolygon, OutlineClosesTheShapeAndTwoPointsDrawTheLineBothWays) {
  Picture picture = WhitePicture(16, 16);
  const std::vector<Point> square{{1, 1}, {4, 1}, {4, 4}, {1, 4}};
  DrawPolygon(Canvas{picture, false, 255}, square, Black, false);
  PixelSet expected = Block(1, 1, 4, 4);
  for (const auto& p : Block(2, 2, 3, 3)) expected.erase(p);
  EXPECT_EQ(PaintedPixels(picture), expected);

  Picture two = WhitePicture(16, 16);
  const std::vector<Point> segment{{2, 2}, {5, 2}};
  DrawPolygon(Canvas{two, false, 255}, segment, Black, false);
  EXPECT_EQ(PaintedPixels(two), Block(2, 2, 5, 2));
  DrawPolygon(Canvas{two, false, 255}, std::vector<Point>{}, Black, true);
}

LoadedPicture Source(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
  LoadedPicture source{width, height, {}};
  for (int i = 0; i < width * height; ++i) source.Pixels.insert(source.Pixels.end(), {r, g, b, a});
  return source;
}

TEST(StampPicture, SkipsTheKeyColourAndLaysTheRestByAlpha) {
  Picture picture = WhitePicture(8, 8);
  picture.Pixels()[0] = 0;  // (0, 0) is cyan-ish, so a white stamp shows on it
  StampPicture(Canvas{picture, true, 255}, 0, 0, Source(2, 2, 255, 255, 255, 255), 0x00FFFFFF);
  EXPECT_EQ(PixelAt(picture, 0, 0).Red, 0);
  StampPicture(Canvas{picture, true, 255}, 0, 0, Source(2, 2, 255, 255, 255, 255), NoColorRef);
  EXPECT_EQ(PixelAt(picture, 0, 0).Red, 255);

  StampPicture(Canvas{picture, true, 255}, 7, 7, Source(2, 2, 0, 0, 0, 0), NoColorRef);
  EXPECT_TRUE(PaintedPixels(picture).empty());
  StampPicture(Canvas{picture, true, 255}, 7, 7, Source(2, 2, 10, 20, 30, 255), NoColorRef);
  EXPECT_EQ(PaintedPixels(picture), (PixelSet{{7, 7}, {0, 7}, {7, 0}, {0, 0}}));
  EXPECT_EQ(PixelAt(picture, 0, 0), (Color{10, 20, 30}));
}

TEST(StampPicture, BlendsByAlphaThenByTheCanvasWeight) {
  Picture picture = WhitePicture(4, 4);
  StampPicture(Canvas{picture, false, 127}, 1, 1, Source(1, 1, 0, 0, 0, 127), NoColorRef);
  const std::uint8_t once = BlendChannel(255, 0, 127);
  EXPECT_EQ(PixelAt(picture, 1, 1).Red, BlendChannel(255, once, 127));
  StampPicture(Canvas{picture, false, 255}, -1, -1, Source(1, 1, 0, 0, 0, 255), NoColorRef);
  EXPECT_EQ(PaintedPixels(picture).size(), 1u);
}

TEST(StampDiscSample, GivesTheCentreTheSourceAndFadesToTheRim) {
  Picture picture = WhitePicture(32, 32);
  LoadedPicture source = Source(20, 20, 0, 0, 0, 255);
  StampDiscSample(Canvas{picture, false, 255}, 10, 10, source, 10, 10, 8, 100);
  EXPECT_EQ(PixelAt(picture, 10, 10), Black);
  EXPECT_GT(PixelAt(picture, 17, 10).Red, 200);   // d = 7: alpha 31
  EXPECT_EQ(PixelAt(picture, 18, 10).Red, 255);   // d = 8 is outside
  EXPECT_EQ(PixelAt(picture, 10, 2).Red, 255);    // offset -radius: d = 8 fails
  EXPECT_EQ(PixelAt(picture, 10, 3).Red, 255 - 31);

  Picture mixed = WhitePicture(32, 32);
  StampDiscSample(Canvas{mixed, false, 255}, 10, 10, source, 10, 10, 8, 80);
  EXPECT_EQ(PixelAt(mixed, 10, 10).Red, BlendChannel(255, 0, 204));
  Picture none = WhitePicture(32, 32);
  StampDiscSample(Canvas{none, false, 255}, 10, 10, source, -1, 10, 8, 100);
  EXPECT_TRUE(PaintedPixels(none).empty());
}

TEST(StampDiscSample, NeverReadsOutsideTheSourceAndClampsOddMixPercentages) {
  Picture picture = WhitePicture(32, 32);
  LoadedPicture source = Source(4, 4, 0, 0, 0, 255);
  StampDiscSample(Canvas{picture, false, 255}, 10, 10, source, 1, 1, 6, 300);
  EXPECT_EQ(PaintedPixels(picture), Block(9, 9, 12, 12));
  EXPECT_EQ(PixelAt(picture, 10, 10), Black);  // 300 % clamps the alpha to 255
  Picture negative = WhitePicture(32, 32);
  StampDiscSample(Canvas{negative, false, 255}, 10, 10, source, 1, 1, 6, -50);
  EXPECT_TRUE(PaintedPixels(negative).empty());
}

TEST(TruncateToInt32, TruncatesTowardZeroAndSaturates) {
  EXPECT_EQ(TruncateToInt32(-0.9), 0);
  EXPECT_EQ(TruncateToInt32(-1.5), -1);
  EXPECT_EQ(TruncateToInt32(2.99), 2);
  EXPECT_EQ(TruncateToInt32(1e12), INT32_MAX);
  EXPECT_EQ(TruncateToInt32(-1e12), INT32_MIN);
}

}  // namespace
}  // namespace tessmark
