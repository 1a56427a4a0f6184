#include "imageio/DibDecoder.h"

#include <gtest/gtest.h>

#include "imageio/BmpFile.h"
#include "support/BmpWriter.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

using test::BmpLayout;
using test::BmpWriter;

std::vector<Color> Colors(int n) {
  std::vector<Color> colors;
  for (int i = 0; i < n; ++i)
    colors.push_back({static_cast<std::uint8_t>(i * 37), static_cast<std::uint8_t>(255 - i * 11),
                      static_cast<std::uint8_t>(i * i)});
  return colors;
}

// Colours from the palette in a pattern with runs (for RLE) and single pixels.
Picture PalettePicture(int width, int height, const std::vector<Color>& palette) {
  Picture picture = test::WhitePicture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::size_t k = x < width / 3 ? std::size_t(y) % palette.size() : std::size_t(x * 3 + y * 5) % palette.size();
      std::uint8_t* p = picture.Row(y) + x * 3;
      p[0] = palette[k].Red;
      p[1] = palette[k].Green;
      p[2] = palette[k].Blue;
    }
  return picture;
}

struct Variant {
  const char* Name;
  BmpLayout Layout;
  int Colors;  // 0: any colour
};

std::vector<Variant> Variants() {
  const std::array<std::uint32_t, 3> m565{0xF800, 0x07E0, 0x001F}, m32{0xFF000000, 0x00FF0000, 0x0000FF00};
  return {
      {"1 bit", {.Bits = 1, .Palette = Colors(2)}, 2},
      {"4 bits", {.Bits = 4, .Palette = Colors(16)}, 16},
      {"4 bits, 9 colours used", {.Bits = 4, .Palette = Colors(9), .ColorsUsed = 9}, 9},
      {"8 bits", {.Bits = 8, .Palette = Colors(200)}, 200},
      {"8 bits top-down", {.Bits = 8, .TopDown = true, .Palette = Colors(40)}, 40},
      {"8 bits core header", {.Bits = 8, .HeaderSize = 12, .Palette = Colors(256)}, 256},
      {"1 bit short OS/2 header", {.Bits = 1, .HeaderSize = 16, .Palette = Colors(2)}, 2},
      {"4 bits OS/2 header", {.Bits = 4, .HeaderSize = 64, .Palette = Colors(16)}, 16},
      {"RLE8", {.Bits = 8, .Compression = 1, .Palette = Colors(100)}, 100},
      {"RLE4", {.Bits = 4, .Compression = 2, .Palette = Colors(16)}, 16},
      {"16 bits 5-5-5", {.Bits = 16}, -1},
      {"16 bits 5-6-5 bit fields", {.Bits = 16, .Compression = 3, .Masks = m565}, -1},
      {"24 bits top-down", {.Bits = 24, .TopDown = true}, 0},
      {"24 bits core header", {.Bits = 24, .HeaderSize = 12}, 0},
      {"24 bits with a colour table to skip", {.Bits = 24, .ExtraTableEntries = 3}, 0},
      {"32 bits", {.Bits = 32}, 0},
      {"32 bits bit fields", {.Bits = 32, .Compression = 3, .Masks = m32}, 0},
      {"32 bits bit fields in a V5 header", {.Bits = 32, .Compression = 3, .HeaderSize = 124, .Masks = m32}, 0},
  };
}

// Channels of 0 and 255 only, which 5- and 6-bit fields hold exactly.
Picture CornerColourPicture(int width, int height) {
  std::vector<Color> corners;
  for (int i = 0; i < 8; ++i)
    corners.push_back({static_cast<std::uint8_t>(i & 1 ? 255 : 0), static_cast<std::uint8_t>(i & 2 ? 255 : 0),
                       static_cast<std::uint8_t>(i & 4 ? 255 : 0)});
  return PalettePicture(width, height, corners);
}

Picture VariantPicture(const Variant& v, int width, int height) {
  if (v.Colors > 0) return PalettePicture(width, height, v.Layout.Palette);
  if (v.Colors < 0) return CornerColourPicture(width, height);
  return test::PatternPicture(width, height);
}

TEST(DecodeBmpFile, EveryLayoutGivesTheSamePixelsAsTheTwentyFourBitReference) {
  for (const Variant& v : Variants()) {
    for (const auto& [w, h] : {std::pair{1, 1}, {5, 3}, {37, 20}}) {
      const Picture picture = VariantPicture(v, w, h);
      const std::optional<Picture> reference = DecodeBmpFile(BmpWriter({}).File(picture));
      ASSERT_TRUE(reference);
      ASSERT_TRUE(test::SamePixels(*reference, picture));
      const std::optional<Picture> decoded = DecodeBmpFile(BmpWriter(v.Layout).File(picture));
      ASSERT_TRUE(decoded) << v.Name << " " << w << "x" << h;
      EXPECT_TRUE(test::SamePixels(*decoded, *reference)) << v.Name << " " << w << "x" << h;
    }
  }
}

TEST(DecodeBmpFile, ScalesFiveBitFieldsToTheFullByteRange) {
  Picture picture = test::WhitePicture(2, 1);
  picture.Row(0)[3] = 132;  // 16 of 31
  picture.Row(0)[4] = 8;    // 1 of 31
  picture.Row(0)[5] = 0;
  const std::optional<Picture> decoded = DecodeBmpFile(BmpWriter({.Bits = 16}).File(picture));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(test::PixelAt(*decoded, 0, 0), (Color{255, 255, 255}));
  EXPECT_EQ(test::PixelAt(*decoded, 1, 0), (Color{132, 8, 0}));
}

TEST(DecodeDib, RleJumpsAndEarlyEndsLeaveBlackAndNeverWriteOutside) {
  const std::vector<Color> palette = Colors(4);
  Picture picture = PalettePicture(4, 3, palette);
  std::vector<std::uint8_t> dib = BmpWriter({.Bits = 8, .Compression = 1, .Palette = palette}).Dib(picture);
  const std::size_t rows = dib.size() - (40 + 256 * 4);
  dib.resize(dib.size() - rows);
  // bottom row: two pixels of colour 1, then a jump one column right and one row up, a run of
  // 200 pixels of colour 2 (cut at the edge), a jump far outside, then the stream just stops.
  for (std::uint8_t b : {2, 1, 0, 2, 1, 1, 200, 2, 0, 2, 255, 255}) dib.push_back(b);
  const std::optional<Picture> decoded = DecodeDib(dib);
  ASSERT_TRUE(decoded);
  const Color black{0, 0, 0};
  EXPECT_EQ(test::PixelAt(*decoded, 0, 2), palette[1]);
  EXPECT_EQ(test::PixelAt(*decoded, 1, 2), palette[1]);
  EXPECT_EQ(test::PixelAt(*decoded, 2, 2), black);
  EXPECT_EQ(test::PixelAt(*decoded, 3, 2), black);
  EXPECT_EQ(test::PixelAt(*decoded, 0, 1), black);
  EXPECT_EQ(test::PixelAt(*decoded, 3, 1), palette[2]);
  EXPECT_EQ(test::PixelAt(*decoded, 0, 0), black);
}

TEST(DecodeDib, PaletteIndicesBeyondTheTableAreBlack) {
  const std::vector<Color> palette = Colors(2);
  const Picture picture = PalettePicture(3, 1, {palette[0]});
  std::vector<std::uint8_t> dib = BmpWriter({.Bits = 8, .Palette = palette, .ColorsUsed = 2}).Dib(picture);
  dib[40 + 8] = 1;
  dib[40 + 8 + 1] = 2;
  dib[40 + 8 + 2] = 255;
  const std::optional<Picture> decoded = DecodeDib(dib);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(test::PixelAt(*decoded, 0, 0), palette[1]);
  EXPECT_EQ(test::PixelAt(*decoded, 1, 0), (Color{0, 0, 0}));
  EXPECT_EQ(test::PixelAt(*decoded, 2, 0), (Color{0, 0, 0}));
}

TEST(DecodeDib, AcceptsAMissingPadAfterTheLastRowButNotAMissingPixel) {
  const Picture picture = test::PatternPicture(5, 2);
  std::vector<std::uint8_t> dib = BmpWriter({}).Dib(picture);
  dib.resize(dib.size() - 1);
  ASSERT_TRUE(DecodeDib(dib));
  dib.resize(40 + 16 + 15 - 1);
  EXPECT_FALSE(DecodeDib(dib));
}

// Returns the header field at `at` set to `value`.
std::vector<std::uint8_t> WithField(std::vector<std::uint8_t> dib, std::size_t at, std::uint32_t value, int bytes = 4) {
  for (int i = 0; i < bytes; ++i) dib[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  return dib;
}

TEST(DecodeDib, RefusesHeadersThatLieAboutSizesOrLayouts) {
  const std::vector<Color> palette = Colors(256);
  const std::vector<std::uint8_t> good = BmpWriter({.Bits = 8, .Palette = palette}).Dib(PalettePicture(1, 1, palette));
  ASSERT_TRUE(DecodeDib(good));
  const std::vector<std::vector<std::uint8_t>> bad = {
      WithField(good, 0, 0),                  // header size
      WithField(good, 0, 8),                  //
      WithField(good, 0, 100000),             // header larger than the block
      WithField(good, 4, 0),                  // width
      WithField(good, 4, 0x80000000u),        // negative width
      WithField(good, 8, 0),                  // height
      WithField(good, 8, 0x80000000u),        // the one height without a positive counterpart
      WithField(good, 4, 70000),              // rows beyond the block
      WithField(WithField(good, 4, 65536), 8, 65536),  // 2^32 pixels
      WithField(good, 14, 7, 2),              // bit count
      WithField(good, 14, 0, 2),              //
      WithField(good, 16, 4),                 // JPEG compression
      WithField(good, 16, 2),                 // RLE4 with 8 bits
      WithField(good, 16, 3),                 // bit fields with 8 bits
      WithField(good, 32, 300),               // colour table beyond the block
      WithField(good, 32, 0xFFFFFFFFu),       //
      WithField(WithField(good, 16, 1), 8, static_cast<std::uint32_t>(-1)),  // top-down RLE
      {},
      {40, 0, 0},
  };
  for (std::size_t i = 0; i < bad.size(); ++i) EXPECT_FALSE(DecodeDib(bad[i])) << "case " << i;
}

TEST(DecodeBmpFile, SurvivesEveryTruncationAndDamagedHeaderByte) {
  for (const Variant& v : Variants()) {
    const std::vector<std::uint8_t> file = BmpWriter(v.Layout).File(VariantPicture(v, 9, 7));
    for (std::size_t n = 0; n < file.size(); n += (n < 200 ? 1 : 37)) {
      const std::vector<std::uint8_t> cut(file.begin(), file.begin() + n);
      (void)DecodeBmpFile(cut);
    }
    for (std::size_t at = 0; at < std::min<std::size_t>(file.size(), 160); ++at)
      for (std::uint8_t value : {0x00, 0x7F, 0x80, 0xFF}) {
        std::vector<std::uint8_t> damaged = file;
        damaged[at] = value;
        if (const std::optional<Picture> p = DecodeBmpFile(damaged)) {
          EXPECT_GT(p->Width, 0);
          EXPECT_GT(p->Height, 0);
        }
      }
  }
  EXPECT_FALSE(DecodeBmpFile(std::vector<std::uint8_t>{'B', 'M'}));
  EXPECT_FALSE(DecodeBmpFile(std::vector<std::uint8_t>(100, 0)));
}

}  // namespace
}  // namespace tessmark
