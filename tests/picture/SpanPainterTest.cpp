#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "picture/Rasterisers.h"
#include "picture/RepeatedBlend.h"
#include "picture/RowWrites.h"
#include "picture/SpanPainter.h"
#include "support/PaintFixture.h"

namespace tessmark {
namespace {

// Runs of every length from every start, painted whole and pixel by pixel, must agree: the run
// is stored in overlapping fixed-size pieces and blended in blocks.
TEST(SpanPainter, EveryRunEqualsItsPixelsWrittenOneByOne) {
  for (const std::uint8_t weight : {std::uint8_t{255}, std::uint8_t{127}, std::uint8_t{1}}) {
    for (const bool connectable : {true, false}) {
      for (std::int64_t x = -3; x < 5; ++x) {
        for (std::int64_t length = 0; length <= 150; ++length) {
          Picture whole = test::GradientPicture(61, 3), single = test::GradientPicture(61, 3);
          SpanPainter(Canvas{whole, connectable, weight}, {9, 180, 77}).Paint(x, 1, length);
          for (std::int64_t i = 0; i < length; ++i) WritePixel(Canvas{single, connectable, weight}, x + i, 1, {9, 180, 77});
          ASSERT_TRUE(test::SamePixels(whole, single)) << "weight " << int(weight) << " x " << x << " length " << length;
        }
      }
    }
  }
}

TEST(SpanPainter, ShapesFarOffAPictureWithoutWrapSkipTheirRowsOffThePicture) {
  Picture picture = test::WhitePicture(16, 16);
  const Canvas canvas{picture, false, 255};
  FillRectangle(canvas, 2, -2000000000, 5, 2000000000, {1, 2, 3});  // four billion rows, sixteen on the picture
  EXPECT_EQ(test::PaintedPixels(picture), test::Block(2, 0, 4, 15));
  DrawDisc(canvas, 8, -1000000000, 1000000008, {4, 5, 6});
  EXPECT_EQ(test::PixelAt(picture, 8, 7), (Color{4, 5, 6}));
  Picture outlines = test::WhitePicture(16, 16);
  const std::vector<Point> wedge{{-2000000000, -2000000000}, {2000000000, 2000000000}, {-2000000000, 2000000000}};
  DrawPolygon(Canvas{outlines, false, 255}, wedge, {1, 2, 3}, false);  // its edges' steps on the picture only
  Picture diagonal = test::WhitePicture(16, 16);
  DrawLine(Canvas{diagonal, false, 255}, {1, 2, 3}, 0, 0, 16, 16);
  EXPECT_TRUE(test::SamePixels(outlines, diagonal));
}

// The straightforward painter: every pixel of the shape's bounding box that the shape holds, one
// WritePixel each.
void WriteEachPixel(const Canvas& canvas, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                    const std::function<bool(std::int64_t, std::int64_t)>& holds) {
  for (std::int64_t y = y0; y < y1; ++y)
    for (std::int64_t x = x0; x < x1; ++x)
      if (holds(x, y)) WritePixel(canvas, x, y, {9, 180, 77});
}

// Each shape about 10 times the picture, so that pixels are written tens or hundreds of times
// (short of where weight 1 settles).
TEST(SpanPainter, ShapesFarLargerThanThePictureEndAsWrittenPixelByPixel) {
  const std::vector<Point> star{{6, -90}, {70, -14}, {140, 4}, {45, 35}, {-5, 150}, {-30, 20}, {-110, -2}};
  const std::vector<Point> stroke{{-70, 12}, {110, 150}, {138, 113}, {-42, -25}};  // a turned rectangle
  std::vector<std::int32_t> starX, starY, strokeX, strokeY;
  for (const Point& p : star) starX.push_back(p.X), starY.push_back(p.Y);
  for (const Point& p : stroke) strokeX.push_back(p.X), strokeY.push_back(p.Y);
  for (const std::uint8_t weight : {std::uint8_t{1}, std::uint8_t{128}, std::uint8_t{254}, std::uint8_t{255}}) {
    for (const bool connectable : {true, false}) {
      const auto compare = [&](const char* shape, auto&& paint, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                               std::int64_t y1, const std::function<bool(std::int64_t, std::int64_t)>& holds) {
        Picture counted = test::GradientPicture(13, 11), written = test::GradientPicture(13, 11);
        paint(Canvas{counted, connectable, weight});
        WriteEachPixel(Canvas{written, connectable, weight}, x0, y0, x1, y1, holds);
        EXPECT_TRUE(test::SamePixels(counted, written)) << shape << " weight " << int(weight) << " wrap " << connectable;
      };
      const auto all = [](std::int64_t, std::int64_t) { return true; };
      compare("disc", [](const Canvas& c) { DrawDisc(c, 5, -3, 70, {9, 180, 77}); }, -65, -73, 76, 68,
              [](std::int64_t x, std::int64_t y) { return (x - 5) * (x - 5) + (y + 3) * (y + 3) < 70 * 70; });
      compare("rectangle", [](const Canvas& c) { FillRectangle(c, -40, 7, 100, 130, {9, 180, 77}); }, -40, 7, 100,
              130, all);
      compare("tall rectangle", [](const Canvas& c) { FillRectangle(c, 3, -500, 8, 900, {9, 180, 77}); }, 3, -500, 8,
              900, all);
      compare("polygon", [&](const Canvas& c) { DrawPolygon(c, star, {9, 180, 77}, true); }, -110, -90, 141, 151,
              [&](std::int64_t x, std::int64_t y) { return PointInPolygon(starX, starY, x, y); });
      compare("stroke", [&](const Canvas& c) { DrawPolygon(c, stroke, {9, 180, 77}, true); }, -70, -25, 139, 151,
              [&](std::int64_t x, std::int64_t y) { return PointInPolygon(strokeX, strokeY, x, y); });
    }
  }
}

// Without counting these would write for hours; each pixel reached takes its colour's fixed point.
TEST(SpanPainter, ShapesOfAnySizeSettleEveryPixelTheyReach) {
  constexpr std::int32_t Huge = 1'000'000'000;
  const std::vector<Point> square{{-Huge, -Huge}, {Huge, -Huge}, {Huge, Huge}, {-Huge, Huge}};
  const std::vector<std::function<void(const Canvas&)>> shapes{
      [](const Canvas& c) { DrawDisc(c, 3, 4, Huge, {9, 180, 77}); },
      [](const Canvas& c) { FillRectangle(c, -Huge, -Huge, Huge, Huge, {9, 180, 77}); },
      [&](const Canvas& c) { DrawPolygon(c, square, {9, 180, 77}, true); },
  };
  for (const std::uint8_t weight : {std::uint8_t{1}, std::uint8_t{128}}) {
    const RepeatedBlend blend({9, 180, 77}, weight);
    Picture settled = test::GradientPicture(16, 9);
    blend.Apply(settled.Pixels(), 16 * 9, blend.Settled());
    for (const auto& shape : shapes) {
      Picture picture = test::GradientPicture(16, 9);
      shape(Canvas{picture, true, weight});
      EXPECT_TRUE(test::SamePixels(picture, settled)) << "weight " << int(weight);
    }
    Picture column = test::GradientPicture(16, 9);
    FillRectangle(Canvas{column, true, weight}, 21, -Huge, 23, Huge, {9, 180, 77});
    EXPECT_EQ(test::PixelAt(column, 5, 2), test::PixelAt(settled, 5, 2));
    EXPECT_EQ(test::PixelAt(column, 7, 2), test::PixelAt(test::GradientPicture(16, 9), 7, 2));
  }
}

// Rows wider than one counted stretch are counted too, and weight 0 keeps every pixel however
// large the shape: either way painting ends at once rather than in minutes.
TEST(SpanPainter, WideRowsAreCountedAStretchAtATimeAndWeightZeroWritesNothing) {
  constexpr std::int32_t Huge = 1'000'000'000;
  constexpr std::int32_t Wide = RowWrites::MaxColumns + 5;
  const RepeatedBlend blend({9, 180, 77}, 1);
  Picture settled = test::GradientPicture(Wide, 2);
  blend.Apply(settled.Pixels(), std::int64_t{Wide} * 2, blend.Settled());
  Picture disc = test::GradientPicture(Wide, 2);
  DrawDisc(Canvas{disc, true, 1}, 3, 4, Huge, {9, 180, 77});
  EXPECT_TRUE(test::SamePixels(disc, settled));
  // Enough rows to be counted, across the border of two stretches.
  constexpr std::int64_t Border = RowWrites::MaxColumns;
  Picture counted = test::GradientPicture(Wide, 2), written = test::GradientPicture(Wide, 2);
  FillRectangle(Canvas{counted, true, 1}, Border - 4, 0, Border + 3, 2'500'000, {9, 180, 77});
  WriteEachPixel(Canvas{written, true, 1}, Border - 4, 0, Border + 3, 2'500'000, [](std::int64_t, std::int64_t) { return true; });
  EXPECT_TRUE(test::SamePixels(counted, written));
  Picture untouched = test::GradientPicture(64, 64);
  DrawDisc(Canvas{untouched, true, 0}, 3, 4, Huge, {9, 180, 77});
  DrawPolygon(Canvas{untouched, true, 0}, std::vector<Point>{{0, 0}, {Huge, Huge + 1}, {1, -1}}, {9, 180, 77}, false);
  EXPECT_TRUE(test::SamePixels(untouched, test::GradientPicture(64, 64)));
}

TEST(RepeatedBlend, AnyNumberOfWritesEndsWhereThatManyBlendsLeaveAPixel) {
  for (const std::uint8_t weight : {std::uint8_t{1}, std::uint8_t{2}, std::uint8_t{100}, std::uint8_t{254}}) {
    for (const std::uint8_t colour : {std::uint8_t{0}, std::uint8_t{77}, std::uint8_t{255}}) {
      const RepeatedBlend blend({colour, colour, colour}, weight);
      EXPECT_LE(blend.Settled(), 255);
      for (int old = 0; old < 256; ++old) {
        std::uint8_t written = static_cast<std::uint8_t>(old);
        for (std::int64_t times = 0; times <= 600; written = BlendChannel(written, colour, weight), ++times) {
          std::uint8_t pixel[3] = {static_cast<std::uint8_t>(old), 0, 0};
          blend.Apply(pixel, 1, times);
          ASSERT_EQ(pixel[0], written) << int(weight) << " " << int(colour) << " " << old << " " << times;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tessmark
