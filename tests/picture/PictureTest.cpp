#include "picture/Picture.h"

#include <gtest/gtest.h>

#include <cstring>

#include "picture/SpanPainter.h"
#include "support/PictureProbe.h"

namespace tessmark {
namespace {

using test::PixelAt;
using test::WhitePicture;

TEST(CreatePicture, MakesAWhitePictureOfExactlyThreeBytesAPixel) {
  Picture picture = WhitePicture(4, 4);
  EXPECT_EQ(picture.ByteCount(), 48u);
  for (std::size_t i = 0; i < picture.ByteCount(); ++i) EXPECT_EQ(picture.Pixels()[i], 255);
}

TEST(CreatePicture, RefusesSizesWhoseByteCountLeaves32Bits) {
  EXPECT_FALSE(CreatePicture(0, 10));
  EXPECT_FALSE(CreatePicture(10, -1));
  // 1431655766 pixels are 4294967298 bytes: one pixel too many.
  EXPECT_FALSE(AllocatePicture(1431655766, 1));
  EXPECT_FALSE(AllocatePicture(65536, 65536));
}

TEST(ClonePicture, CopiesEveryByte) {
  Picture picture = WhitePicture(5, 3);
  picture.Pixels()[7] = 12;
  std::optional<Picture> copy = ClonePicture(picture);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->Width, 5);
  EXPECT_EQ(copy->Pixels()[7], 12);
  EXPECT_NE(copy->Pixels(), picture.Pixels());
}

TEST(PixelIndex, NumbersInsidePixelsRowByRowAndRefusesTheRest) {
  EXPECT_EQ(PixelIndex(5, 3, 0, 0), 0);
  EXPECT_EQ(PixelIndex(5, 3, 4, 2), 14);
  EXPECT_EQ(PixelIndex(5, 3, 2, 1), 7);
  EXPECT_EQ(PixelIndex(5, 3, -1, 0), -1);
  EXPECT_EQ(PixelIndex(5, 3, 5, 0), -1);
  EXPECT_EQ(PixelIndex(5, 3, 0, 3), -1);
}

TEST(WrapCoordinates, TakesTheNonNegativeRemainderOfAnyCoordinate) {
  EXPECT_EQ(WrapCoordinates(10, 7, 3, 4), (Point{3, 4}));
  EXPECT_EQ(WrapCoordinates(10, 7, -1, -1), (Point{9, 6}));
  EXPECT_EQ(WrapCoordinates(10, 7, 10, 7), (Point{0, 0}));
  EXPECT_EQ(WrapCoordinates(10, 7, 25, 15), (Point{5, 1}));
  EXPECT_EQ(WrapCoordinates(10, 7, -10, -7), (Point{0, 0}));
  EXPECT_EQ(WrapCoordinates(10, 7, -21, -15), (Point{9, 6}));
  EXPECT_EQ(WrapCoordinates(10, 7, INT32_MIN, INT32_MAX), (Point{2, 1}));
  EXPECT_EQ(WrapCoordinate64(-(std::int64_t{1} << 40), 10), 4);
}

TEST(BlendChannel, MixesInTheProportionOfTheWeight) {
  EXPECT_EQ(BlendChannel(0, 255, 255), 255);
  EXPECT_EQ(BlendChannel(0, 255, 0), 0);
  EXPECT_EQ(BlendChannel(200, 100, 127), (200 * 128 + 100 * 127) / 255);
  for (int a = 0; a < 256; a += 5)
    for (int b = 0; b < 256; b += 7)
      for (int w = 0; w < 256; w += 3) {
        const int v = BlendChannel(std::uint8_t(a), std::uint8_t(b), std::uint8_t(w));
        ASSERT_GE(v, std::min(a, b));
        ASSERT_LE(v, std::max(a, b));
      }
}

TEST(ReadPixel, LeavesItsOutputAloneOutsideThePicture) {
  Picture picture = WhitePicture(4, 4);
  Color c{1, 2, 3};
  EXPECT_FALSE(ReadPixel(picture, -1, 0, c));
  EXPECT_FALSE(ReadPixel(picture, 4, 0, c));
  EXPECT_FALSE(ReadPixel(picture, 0, 4, c));
  EXPECT_EQ(c, (Color{1, 2, 3}));
  EXPECT_TRUE(ReadPixel(picture, 3, 3, c));
  EXPECT_EQ(c, (Color{255, 255, 255}));
}

TEST(WritePixel, DropsOutsidePixelsUnlessConnectableWrapsThem) {
  Picture picture = WhitePicture(8, 8);
  const Color red{255, 0, 0};
  EXPECT_FALSE(WritePixel(Canvas{picture, false, 255}, 8, 5, red));
  EXPECT_TRUE(test::PaintedPixels(picture).empty());
  EXPECT_TRUE(WritePixel(Canvas{picture, true, 255}, 8, 5, red));
  EXPECT_EQ(PixelAt(picture, 0, 5), red);
  EXPECT_TRUE(WritePixel(Canvas{picture, true, 255}, -1, -1, red));
  EXPECT_EQ(PixelAt(picture, 7, 7), red);
}

TEST(WritePixel, BlendsWithTheCanvasWeight) {
  Picture picture = WhitePicture(4, 4);
  EXPECT_TRUE(WritePixel(Canvas{picture, true, 0}, 1, 1, Color{0, 0, 0}));
  EXPECT_EQ(PixelAt(picture, 1, 1), (Color{255, 255, 255}));
  WritePixel(Canvas{picture, true, 127}, 1, 1, Color{0, 0, 0});
  EXPECT_EQ(PixelAt(picture, 1, 1), (Color{128, 128, 128}));
  WritePixel(Canvas{picture, true, 255}, 1, 1, ColorFromRef(0x00336699));
  EXPECT_EQ(PixelAt(picture, 1, 1), (Color{0x99, 0x66, 0x33}));
}

TEST(WriteSpan, EqualsOneWritePixelPerPixelAtEveryWeightAndWrap) {
  for (bool connectable : {false, true}) {
    for (int weight : {0, 1, 127, 254, 255}) {
      for (std::int64_t x : {-25, -7, -1, 0, 3, 6, 13, 30}) {
        for (std::int64_t length : {1, 4, 7, 15, 40}) {
          Picture bySpan = WhitePicture(7, 3);
          Picture byPixel = WhitePicture(7, 3);
          for (Picture* p : {&bySpan, &byPixel}) p->Pixels()[4] = 10;  // something to blend with
          const Color c{10, 200, 77};
          WriteSpan(Canvas{bySpan, connectable, std::uint8_t(weight)}, x, 1, length, c);
          WriteSpan(Canvas{bySpan, connectable, std::uint8_t(weight)}, x, 0, length, c);
          for (std::int64_t i = 0; i < length; ++i) {
            WritePixel(Canvas{byPixel, connectable, std::uint8_t(weight)}, x + i, 1, c);
            WritePixel(Canvas{byPixel, connectable, std::uint8_t(weight)}, x + i, 0, c);
          }
          ASSERT_EQ(0, std::memcmp(bySpan.Pixels(), byPixel.Pixels(), bySpan.ByteCount()))
              << "connectable " << connectable << " weight " << weight << " x " << x << " length " << length;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tessmark
