#include "imageio/PictureOverWhite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "files/FileBytes.h"
#include "imageio/BmpFile.h"
#include "imageio/JpegEncoder.h"
#include "support/BmpWriter.h"
#include "support/PngWriter.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

TEST(PictureOverWhite, TransparentPartsShowWhiteAndFailuresKeepTheLoadersMessage) {
  test::TempFolder folder;
  const std::string path = folder.File("a.png");
  ASSERT_EQ(WriteFileAtomically(path, test::EncodeTestPng({.Width = 3, .ColorType = PNG_COLOR_TYPE_RGBA},
                                                          {0, 0, 0, 0, 0, 0, 0, 128, 10, 20, 30, 255})),
            0);
  const PictureOverWhiteRead read = ReadPictureOverWhite(path, TESSMARK_PLUGIN_DIR);
  ASSERT_TRUE(read.Picture);
  EXPECT_EQ(std::vector<int>(read.Picture->Pixels(), read.Picture->Pixels() + 9),
            (std::vector<int>{255, 255, 255, 127, 127, 127, 10, 20, 30}));
  const PictureOverWhiteRead missing = ReadPictureOverWhite(folder.File("none.png"), TESSMARK_PLUGIN_DIR);
  EXPECT_FALSE(missing.Picture);
  ASSERT_TRUE(missing.Message);
  EXPECT_EQ(missing.Message->Caption, "accessfile");
}

// Working pictures (import, drop, --input), stamps (tag, circle mix) and copied files alike.
TEST(PictureOverWhite, AJpegNamedJpegInAnyCaseLoadsWhereverAJpgDoes) {
  test::TempFolder folder;
  const Picture picture = test::PatternPicture(6, 4);
  std::vector<std::uint8_t> jpeg;
  ASSERT_TRUE(EncodeJpegMemory(jpeg, picture.Pixels(), picture.Width, picture.Height));
  for (const std::string name : {"a.jpeg", "b.JPEG", "c.JpEg"}) {
    const std::string path = folder.File(name);
    ASSERT_EQ(WriteFileAtomically(path, jpeg), 0);
    EXPECT_TRUE(IsPictureFileName(path)) << name;
    EXPECT_TRUE(ReadPictureOverWhite(path, TESSMARK_PLUGIN_DIR).Picture) << name;
    EXPECT_TRUE(LoadPictureRgba(path, TESSMARK_PLUGIN_DIR).Picture) << name;
  }
}

// The one-pass paths (24-bit BMP rows straight from the file, JPEG rows in the destination's
// layout, the shuffled conversion of whole groups of pixels) against the plain rule: white BMP
// pixels are transparent, and the picture over white is the loaded picture blended onto white.
TEST(PictureOverWhite, EveryFormatGivesTheLoadedPictureBlendedOntoWhite) {
  test::TempFolder folder;
  Picture picture = test::PatternPicture(13, 5);
  for (const std::int32_t x : {0, 4, 5, 12}) std::memset(picture.Row(x % 5) + x * 3, 255, 3);
  std::vector<Color> palette;
  for (std::size_t i = 0; i < picture.ByteCount(); i += 3) {
    const std::uint8_t* p = picture.Pixels() + i;
    if (std::find(palette.begin(), palette.end(), Color{p[0], p[1], p[2]}) == palette.end()) palette.push_back({p[0], p[1], p[2]});
  }
  std::vector<std::uint8_t> jpeg;
  ASSERT_TRUE(EncodeJpegMemory(jpeg, picture.Pixels(), 13, 5));
  std::vector<std::uint16_t> rgba(13 * 5 * 4);
  for (std::size_t i = 0; i < rgba.size(); ++i) rgba[i] = static_cast<std::uint16_t>(i * 37 % 256);
  const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files{
      {"a.bmp", *EncodeBmpFile(picture)},
      {"rle.bmp", test::BmpWriter({.Bits = 8, .Compression = 1, .Palette = palette}).File(picture)},
      {"a.jpg", jpeg},
      {"a.png", test::EncodeTestPng({.Width = 13, .Height = 5, .ColorType = PNG_COLOR_TYPE_RGBA}, rgba)}};
  for (const auto& [name, bytes] : files) {
    ASSERT_EQ(WriteFileAtomically(folder.File(name), bytes), 0);
    const PictureRead<LoadedPicture> loaded = LoadPictureRgba(folder.File(name), TESSMARK_PLUGIN_DIR);
    const PictureOverWhiteRead over = ReadPictureOverWhite(folder.File(name), TESSMARK_PLUGIN_DIR);
    ASSERT_TRUE(loaded.Picture && over.Picture) << name;
    std::vector<std::uint8_t> blended;
    for (std::size_t i = 0; i < loaded.Picture->Pixels.size(); i += 4)
      for (std::size_t c = 0; c < 3; ++c)
        blended.push_back(BlendChannel(255, loaded.Picture->Pixels[i + c], loaded.Picture->Pixels[i + 3]));
    EXPECT_EQ(blended, std::vector<std::uint8_t>(over.Picture->Pixels(), over.Picture->Pixels() + blended.size())) << name;
  }
  const LoadedPicture bmp = *LoadPictureRgba(folder.File("a.bmp"), TESSMARK_PLUGIN_DIR).Picture;
  for (std::int32_t y = 0; y < 5; ++y)
    for (std::int32_t x = 0; x < 13; ++x) {
      const std::uint8_t* p = picture.Row(y) + x * 3;
      const bool white = p[0] == 255 && p[1] == 255 && p[2] == 255;
      ASSERT_EQ(std::vector<int>(bmp.At(x, y), bmp.At(x, y) + 4), (std::vector<int>{p[0], p[1], p[2], white ? 0 : 255}))
          << x << "," << y;
    }
}

}  // namespace
}  // namespace tessmark
