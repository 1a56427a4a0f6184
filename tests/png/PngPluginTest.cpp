#include <gtest/gtest.h>
#include <zlib.h>

#include "imageio/PngLibrary.h"
#include "support/PngWriter.h"

namespace tessmark {
namespace {

using test::EncodeTestPng;
using test::PngLayout;

struct Decoded {
  bool Ok = false;
  std::int32_t Width = 0, Height = 0;
  bool Alpha = false;
  std::vector<std::uint8_t> Pixels;  // as the plug-in stores them: bottom row first
};

Decoded Decode(const std::vector<std::uint8_t>& file) {
  const PngLibrary library = LoadPngLibrary(TESSMARK_PLUGIN_DIR);
  EXPECT_TRUE(library.LoadPngImage && library.FreePngImage);
  Decoded d;
  unsigned char alpha = 0;
  unsigned char* pixels = nullptr;
  d.Ok = library.LoadPngImage(file.data(), static_cast<std::uint32_t>(file.size()), &d.Width, &d.Height, &alpha,
                              &pixels) != 0;
  if (!d.Ok) return d;
  d.Alpha = alpha != 0;
  d.Pixels.assign(pixels, pixels + std::size_t(d.Width) * d.Height * (d.Alpha ? 4 : 3));
  library.FreePngImage(pixels);
  return d;
}

// Pixel (x, y) counted from the top, as a list of its bytes.
std::vector<int> Pixel(const Decoded& d, int x, int y) {
  const int n = d.Alpha ? 4 : 3;
  const std::uint8_t* p = d.Pixels.data() + (std::size_t(d.Height - 1 - y) * d.Width + x) * n;
  return std::vector<int>(p, p + n);
}

TEST(PngPlugin, DeliversRgbBottomRowFirstAndRgbaWithItsAlpha) {
  const Decoded rgb = Decode(EncodeTestPng({.Width = 2, .Height = 2}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  ASSERT_TRUE(rgb.Ok);
  EXPECT_FALSE(rgb.Alpha);
  EXPECT_EQ(rgb.Pixels[0], 7);  // the bottom row comes first
  EXPECT_EQ(Pixel(rgb, 1, 0), (std::vector<int>{4, 5, 6}));
  const Decoded rgba = Decode(EncodeTestPng({.Width = 1, .Height = 2, .ColorType = PNG_COLOR_TYPE_RGBA},
                                            {10, 20, 30, 40, 50, 60, 70, 80}));
  ASSERT_TRUE(rgba.Ok);
  EXPECT_TRUE(rgba.Alpha);
  EXPECT_EQ(Pixel(rgba, 0, 0), (std::vector<int>{10, 20, 30, 40}));
  EXPECT_EQ(Pixel(rgba, 0, 1), (std::vector<int>{50, 60, 70, 80}));
}

TEST(PngPlugin, ExpandsGreyPalettesSixteenBitsAndInterlacing) {
  const Decoded grey = Decode(EncodeTestPng({.Width = 2, .ColorType = PNG_COLOR_TYPE_GRAY}, {0, 200}));
  EXPECT_EQ(Pixel(grey, 1, 0), (std::vector<int>{200, 200, 200}));
  const Decoded bits = Decode(EncodeTestPng({.Width = 3, .ColorType = PNG_COLOR_TYPE_GRAY, .BitDepth = 2}, {0, 1, 3}));
  EXPECT_EQ(Pixel(bits, 1, 0), (std::vector<int>{85, 85, 85}));
  EXPECT_EQ(Pixel(bits, 2, 0), (std::vector<int>{255, 255, 255}));
  const Decoded deep = Decode(EncodeTestPng({.Width = 1, .BitDepth = 16}, {65535, 0, 32896}));
  EXPECT_EQ(Pixel(deep, 0, 0), (std::vector<int>{255, 0, 128}));
  const Decoded greyAlpha =
      Decode(EncodeTestPng({.Width = 1, .ColorType = PNG_COLOR_TYPE_GRAY_ALPHA, .BitDepth = 16}, {65535, 0}));
  EXPECT_EQ(Pixel(greyAlpha, 0, 0), (std::vector<int>{255, 255, 255, 0}));
  const Decoded palette = Decode(EncodeTestPng(
      {.Width = 2, .ColorType = PNG_COLOR_TYPE_PALETTE, .BitDepth = 4, .Palette = {{9, 8, 7}, {1, 2, 3}}}, {1, 0}));
  EXPECT_FALSE(palette.Alpha);
  EXPECT_EQ(Pixel(palette, 0, 0), (std::vector<int>{1, 2, 3}));

  std::vector<std::uint16_t> samples;
  for (int i = 0; i < 9 * 7 * 3; ++i) samples.push_back(static_cast<std::uint16_t>(i % 251));
  const Decoded plain = Decode(EncodeTestPng({.Width = 9, .Height = 7}, samples));
  const Decoded interlaced = Decode(EncodeTestPng({.Width = 9, .Height = 7, .Interlaced = true}, samples));
  ASSERT_TRUE(interlaced.Ok);
  EXPECT_EQ(interlaced.Pixels, plain.Pixels);
}

TEST(PngPlugin, TurnsTransparencyChunksIntoAlpha) {
  const Decoded palette = Decode(EncodeTestPng({.Width = 2,
                                                .ColorType = PNG_COLOR_TYPE_PALETTE,
                                                .Palette = {{9, 8, 7}, {1, 2, 3}},
                                                .PaletteAlpha = {0x40}},
                                               {0, 1}));
  ASSERT_TRUE(palette.Alpha);
  EXPECT_EQ(Pixel(palette, 0, 0), (std::vector<int>{9, 8, 7, 0x40}));
  EXPECT_EQ(Pixel(palette, 1, 0), (std::vector<int>{1, 2, 3, 255}));
  png_color_16 key{};
  key.red = 5;
  key.green = 6;
  key.blue = 7;
  const Decoded rgb = Decode(EncodeTestPng({.Width = 2, .Transparent = key}, {5, 6, 7, 5, 6, 8}));
  ASSERT_TRUE(rgb.Alpha);
  EXPECT_EQ(Pixel(rgb, 0, 0)[3], 0);
  EXPECT_EQ(Pixel(rgb, 1, 0)[3], 255);
}

TEST(PngPlugin, RefusesDamagedTruncatedAndOversizedFiles) {
  std::vector<std::uint16_t> samples(16 * 16 * 3, 77);
  const std::vector<std::uint8_t> good = EncodeTestPng({.Width = 16, .Height = 16}, samples);
  ASSERT_TRUE(Decode(good).Ok);
  EXPECT_FALSE(Decode({}).Ok);
  EXPECT_FALSE(Decode(std::vector<std::uint8_t>(good.begin(), good.begin() + 7)).Ok);
  for (std::size_t n = 8; n < good.size() - 12; n += 3)  // all but the end chunk
    EXPECT_FALSE(Decode(std::vector<std::uint8_t>(good.begin(), good.begin() + n)).Ok) << n;
  std::vector<std::uint8_t> badCrc = good;
  badCrc[30] ^= 0x55;  // inside the header chunk
  EXPECT_FALSE(Decode(badCrc).Ok);
  for (std::size_t at = 8; at < good.size(); ++at) {
    std::vector<std::uint8_t> damaged = good;
    damaged[at] ^= 0xA5;
    (void)Decode(damaged);  // any answer, but no crash and no leak
  }
  std::vector<std::uint8_t> huge = EncodeTestPng({.Width = 1, .Height = 1}, {0, 0, 0});
  huge[16] = huge[20] = 0x00;
  huge[17] = huge[21] = 0x01;  // 65536 x 65536 claimed, with a matching checksum
  const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, huge.data() + 12, 17));
  for (int i = 0; i < 4; ++i) huge[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
  EXPECT_FALSE(Decode(huge).Ok);
}

}  // namespace
}  // namespace tessmark
