#include "imageio/ClipboardPart.h"

#include <gtest/gtest.h>

#include "imageio/ClipboardDib.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

Color BitmapPixel(const Bitmap32& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.Row(y) + x * 4;
  return {p[2], p[1], p[0]};
}

TEST(BuildPartExportBitmap, AddsAnEighthOnEachSide) {
  const Picture small = test::PatternPicture(7, 7);
  const Bitmap32 same = *BuildPartExportBitmap(small, true);
  EXPECT_EQ(same.Width, 7);
  EXPECT_EQ(same.Height, 7);
  EXPECT_EQ(BitmapPixel(same, 3, 4), test::PixelAt(small, 3, 4));
  const Bitmap32 wider = *BuildPartExportBitmap(test::PatternPicture(16, 8), true);
  EXPECT_EQ(wider.Width, 20);
  EXPECT_EQ(wider.Height, 10);
  EXPECT_EQ(wider.Row(0)[3], 0xFF);
}

TEST(BuildPartExportBitmap, ConnectableBordersShowTheOppositeEdges) {
  const Picture picture = test::PatternPicture(16, 16);
  const Bitmap32 bitmap = *BuildPartExportBitmap(picture, true);
  ASSERT_EQ(bitmap.Width, 20);
  for (int j = 0; j < 20; ++j)
    for (int i = 0; i < 20; ++i) {
      const Point p = WrapCoordinates(16, 16, i - 2, j - 2);
      ASSERT_EQ(BitmapPixel(bitmap, i, j), test::PixelAt(picture, p.X, p.Y)) << i << "," << j;
    }
  EXPECT_EQ(BitmapPixel(bitmap, 0, 5), test::PixelAt(picture, 14, 3));
  EXPECT_EQ(BitmapPixel(bitmap, 5, 19), test::PixelAt(picture, 3, 1));
}

TEST(BuildPartExportBitmap, UnconnectedBordersRepeatThePreviousPixelStartingFromWhite) {
  const Picture picture = test::PatternPicture(16, 8);
  const Bitmap32 bitmap = *BuildPartExportBitmap(picture, false);
  const Color white{255, 255, 255};
  EXPECT_EQ(BitmapPixel(bitmap, 0, 0), white);
  EXPECT_EQ(BitmapPixel(bitmap, 19, 0), white);  // the whole top border before any picture pixel
  EXPECT_EQ(BitmapPixel(bitmap, 0, 1), white);
  EXPECT_EQ(BitmapPixel(bitmap, 2, 1), test::PixelAt(picture, 0, 0));
  EXPECT_EQ(BitmapPixel(bitmap, 18, 1), test::PixelAt(picture, 15, 0));
  EXPECT_EQ(BitmapPixel(bitmap, 1, 2), test::PixelAt(picture, 15, 0));  // carried across the row end
  EXPECT_EQ(BitmapPixel(bitmap, 10, 9), test::PixelAt(picture, 15, 7));
}

TEST(PartImport, ChecksTheSizeDividedByOneQuarterMoreAndCropsATenth) {
  EXPECT_EQ(PartImportCheckedSize(4, 4), (PictureSize{3, 3}));
  EXPECT_EQ(PartImportCheckedSize(20, 10), (PictureSize{16, 8}));
  const Picture clipboard = test::PatternPicture(20, 10);
  const Picture part = *CropPartImport(clipboard);
  ASSERT_EQ(part.Width, 16);
  ASSERT_EQ(part.Height, 8);
  EXPECT_EQ(test::PixelAt(part, 0, 0), test::PixelAt(clipboard, 2, 1));
  EXPECT_EQ(test::PixelAt(part, 15, 7), test::PixelAt(clipboard, 17, 8));
}

TEST(PartExportAndImport, GiveBackTheSamePictureForEverySize) {
  for (int w = 4; w <= 40; w += 3)
    for (int h : {4, 5, 9, 16, 31}) {
      const Picture picture = test::PatternPicture(w, h);
      for (bool connectable : {true, false}) {
        const ClipboardPicture pasted = ParseClipboardDib(*BuildClipboardDib(*BuildPartExportBitmap(picture, connectable)));
        ASSERT_EQ(pasted.Status, ClipboardDibStatus::Ok);
        const std::optional<Picture> part = CropPartImport(*pasted.Image);
        ASSERT_TRUE(part);
        EXPECT_TRUE(test::SamePixels(*part, picture)) << w << "x" << h;
      }
    }
}

}  // namespace
}  // namespace tessmark
