#include "imageio/ClipboardDib.h"

#include <gtest/gtest.h>

#include "imageio/ByteOrder.h"
#include "support/BmpWriter.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

Bitmap32 BitmapOf(const Picture& picture) {
  Bitmap32 bitmap = *AllocateBitmap32(picture.Width, picture.Height);
  for (int y = 0; y < picture.Height; ++y)
    for (int x = 0; x < picture.Width; ++x) {
      const Color c = test::PixelAt(picture, x, y);
      std::uint8_t* p = bitmap.Row(y) + x * 4;
      p[0] = c.Blue;
      p[1] = c.Green;
      p[2] = c.Red;
      p[3] = 0xFF;
    }
  return bitmap;
}

TEST(BuildClipboardDib, WritesAFortyByteHeaderAndPaddedBottomUpRows) {
  const Picture picture = test::PatternPicture(5, 2);
  const std::vector<std::uint8_t> dib = *BuildClipboardDib(BitmapOf(picture));
  const std::span<const std::uint8_t> b(dib);
  ASSERT_EQ(dib.size(), 40u + 16u * 2u);
  EXPECT_EQ(GetLe32(b, 0), 40u);
  EXPECT_EQ(GetLe32(b, 8), 2u);
  EXPECT_EQ(GetLe16(b, 14), 24u);
  EXPECT_EQ(GetLe32(b, 16), 0u);
  EXPECT_EQ(GetLe32(b, 20), 32u);
  const Color topLeft = test::PixelAt(picture, 0, 0);
  EXPECT_EQ((Color{b[40 + 16 + 2], b[40 + 16 + 1], b[40 + 16]}), topLeft);
}

TEST(ParseClipboardDib, RoundTripsOddWidthsWithoutShear) {
  for (int w : {1, 2, 3, 5, 7, 13}) {
    const Picture picture = test::PatternPicture(w, 4);
    const ClipboardPicture parsed = ParseClipboardDib(*BuildClipboardDib(BitmapOf(picture)));
    ASSERT_EQ(parsed.Status, ClipboardDibStatus::Ok);
    EXPECT_TRUE(test::SamePixels(*parsed.Image, picture)) << w;
  }
}

TEST(ParseClipboardDib, ReadsTopDownThirtyTwoBitBitFieldsAndSkipsUsedColours) {
  const Picture picture = test::PatternPicture(6, 5);
  const std::array<std::uint32_t, 3> masks{0xFF0000, 0xFF00, 0xFF};
  for (const test::BmpLayout& layout : {
           test::BmpLayout{.Bits = 24, .TopDown = true},
           test::BmpLayout{.Bits = 32, .TopDown = true},
           test::BmpLayout{.Bits = 32, .Compression = 3, .Masks = masks},
           test::BmpLayout{.Bits = 32, .Compression = 3, .TopDown = true, .Masks = masks, .ExtraTableEntries = 2},
           test::BmpLayout{.Bits = 24, .ExtraTableEntries = 5},
       }) {
    const ClipboardPicture parsed = ParseClipboardDib(test::BmpWriter(layout).Dib(picture));
    ASSERT_EQ(parsed.Status, ClipboardDibStatus::Ok);
    EXPECT_TRUE(test::SamePixels(*parsed.Image, picture));
  }
}

TEST(ParseClipboardDib, RefusesOtherBitCountsAndBlocksShorterThanTheirHeader) {
  const std::vector<Color> palette{{0, 0, 0}, {255, 255, 255}};
  const Picture white = test::WhitePicture(4, 4);
  EXPECT_EQ(ParseClipboardDib(test::BmpWriter({.Bits = 8, .Palette = palette}).Dib(white)).Status,
            ClipboardDibStatus::UnsupportedBitCount);
  EXPECT_EQ(ParseClipboardDib(test::BmpWriter({.Bits = 16}).Dib(white)).Status,
            ClipboardDibStatus::UnsupportedBitCount);
  const std::vector<std::uint8_t> dib = *BuildClipboardDib(BitmapOf(white));
  for (std::size_t n : {0u, 3u, 15u, 39u, 40u, 55u}) {
    const ClipboardPicture parsed = ParseClipboardDib(std::span(dib).first(n));
    EXPECT_EQ(parsed.Status, ClipboardDibStatus::Malformed) << n;
    EXPECT_FALSE(parsed.Image);
  }
  std::vector<std::uint8_t> lying = dib;
  lying[8] = 200;  // taller than the block
  EXPECT_EQ(ParseClipboardDib(lying).Status, ClipboardDibStatus::Malformed);
}

}  // namespace
}  // namespace tessmark
