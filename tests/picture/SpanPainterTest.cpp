#include <gtest/gtest.h>

#include "picture/Rasterisers.h"
#include "support/PaintFixture.h"

namespace tessmark {
namespace {

// A picture whose pixels all differ, so that a blend shows per pixel.
Picture Gradient(std::int32_t width, std::int32_t height) {
  Picture picture = test::WhitePicture(width, height);
  for (std::size_t i = 0; i < picture.ByteCount(); ++i) picture.Pixels()[i] = static_cast<std::uint8_t>(i * 13);
  return picture;
}

// Runs of every length from every start, painted whole and pixel by pixel, must agree: the run
// is stored in overlapping fixed-size pieces and blended in blocks.
TEST(SpanPainter, EveryRunEqualsItsPixelsWrittenOneByOne) {
  for (const std::uint8_t weight : {std::uint8_t{255}, std::uint8_t{127}, std::uint8_t{1}}) {
    for (const bool connectable : {true, false}) {
      for (std::int64_t x = -3; x < 5; ++x) {
        for (std::int64_t length = 0; length <= 150; ++length) {
          Picture whole = Gradient(61, 3), single = Gradient(61, 3);
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
}

}  // namespace
}  // namespace tessmark
