#include "imageio/PictureFile.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>

#include "files/FileBytes.h"
#include "imageio/BmpFile.h"
#include "imageio/JpegEncoder.h"
#include "support/PngWriter.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

const std::string PluginDir = TESSMARK_PLUGIN_DIR;

class PictureFileTest : public ::testing::Test {
 protected:
  test::TempFolder folder;

  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = folder.File(name);
    EXPECT_EQ(WriteFileAtomically(path, bytes), 0);
    return path;
  }
  std::string WriteBmp(const std::string& name, const Picture& picture) { return Write(name, *EncodeBmpFile(picture)); }

  std::vector<std::uint8_t> Jpeg(const Picture& picture) {
    std::vector<std::uint8_t> stream;
    EXPECT_TRUE(EncodeJpegMemory(stream, picture.Pixels(), picture.Width, picture.Height));
    return stream;
  }
};

std::vector<std::uint16_t> Samples(const Picture& picture) {
  return std::vector<std::uint16_t>(picture.Pixels(), picture.Pixels() + picture.ByteCount());
}

std::vector<int> Rgba(const LoadedPicture& p, int x, int y) {
  const std::uint8_t* s = p.At(x, y);
  return {s[0], s[1], s[2], s[3]};
}

TEST_F(PictureFileTest, BmpPixelsArePureWhiteTransparentAndEverythingElseOpaque) {
  Picture picture = test::WhitePicture(3, 2);
  picture.Row(1)[2] = 254;  // (255, 255, 254)
  picture.Row(1)[3] = 0;
  const PictureRead<LoadedPicture> read = LoadPictureRgba(WriteBmp("stamp.bmp", picture), PluginDir);
  ASSERT_TRUE(read.Picture);
  EXPECT_FALSE(read.Message);
  EXPECT_EQ(Rgba(*read.Picture, 0, 0), (std::vector<int>{255, 255, 255, 0}));
  EXPECT_EQ(Rgba(*read.Picture, 0, 1), (std::vector<int>{255, 255, 254, 255}));
  EXPECT_EQ(Rgba(*read.Picture, 1, 1), (std::vector<int>{0, 255, 255, 255}));
  EXPECT_EQ(Rgba(*read.Picture, 2, 1)[3], 0);
}

TEST_F(PictureFileTest, TheExtensionChoosesTheDecoderInAnyLetterCase) {
  const Picture picture = test::PatternPicture(4, 4);
  EXPECT_TRUE(LoadPictureRgba(WriteBmp("stamp.bmp", picture), PluginDir).Picture);
  EXPECT_TRUE(LoadPictureRgba(WriteBmp("STAMP.BMP", picture), PluginDir).Picture);
  EXPECT_TRUE(LoadPictureRgba(Write("a.Jpg", Jpeg(picture)), PluginDir).Picture);
  for (const std::string name : {"stamp.tif", "stamp", "bmp", "dot.bmp.d/stamp"}) {
    std::filesystem::create_directories(std::filesystem::path(folder.File(name)).parent_path());
    const PictureRead<LoadedPicture> read = LoadPictureRgba(Write(name, Jpeg(picture)), PluginDir);
    EXPECT_FALSE(read.Picture) << name;
    EXPECT_FALSE(read.Message) << name;
  }
}

TEST_F(PictureFileTest, PngAndBmpOfTheSameImageComeOutInTheSameRowOrder) {
  const Picture picture = test::PatternPicture(7, 5);
  const PictureRead<LoadedPicture> bmp = LoadPictureRgba(WriteBmp("a.bmp", picture), PluginDir);
  const PictureRead<LoadedPicture> png =
      LoadPictureRgba(Write("a.png", test::EncodeTestPng({.Width = 7, .Height = 5}, Samples(picture))), PluginDir);
  ASSERT_TRUE(bmp.Picture && png.Picture);
  EXPECT_EQ(bmp.Picture->Pixels, png.Picture->Pixels);  // no white in the pattern: all opaque
}

TEST_F(PictureFileTest, PngKeepsItsAlphaOrGetsOpaque) {
  const std::string rgba = Write("a.png", test::EncodeTestPng({.Width = 1, .Height = 2, .ColorType = PNG_COLOR_TYPE_RGBA},
                                                              {1, 2, 3, 4, 5, 6, 7, 8}));
  const LoadedPicture loaded = *LoadPictureRgba(rgba, PluginDir).Picture;
  EXPECT_EQ(Rgba(loaded, 0, 0), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(Rgba(loaded, 0, 1), (std::vector<int>{5, 6, 7, 8}));
  const LoadedPicture grey = *LoadPictureRgba(
      Write("g.PNG", test::EncodeTestPng({.Width = 2, .ColorType = PNG_COLOR_TYPE_GRAY}, {255, 9})), PluginDir).Picture;
  EXPECT_EQ(Rgba(grey, 0, 0), (std::vector<int>{255, 255, 255, 255}));
  EXPECT_EQ(Rgba(grey, 1, 0), (std::vector<int>{9, 9, 9, 255}));
}

TEST_F(PictureFileTest, JpegIsOpaqueAndDecodesWhenTruncatedButNotWhenEmpty) {
  const std::vector<std::uint8_t> stream = Jpeg(test::PatternPicture(64, 48));
  const PictureRead<LoadedPicture> whole = LoadPictureRgba(Write("a.jpg", stream), PluginDir);
  ASSERT_TRUE(whole.Picture);
  EXPECT_EQ(whole.Picture->Width, 64);
  for (std::size_t i = 3; i < whole.Picture->Pixels.size(); i += 4) ASSERT_EQ(whole.Picture->Pixels[i], 255);
  const std::vector<std::uint8_t> half(stream.begin(), stream.begin() + stream.size() / 2);
  EXPECT_TRUE(LoadPictureRgba(Write("half.jpg", half), PluginDir).Picture);
  const PictureRead<LoadedPicture> empty = LoadPictureRgba(Write("empty.JPG", {}), PluginDir);
  EXPECT_FALSE(empty.Picture);
  EXPECT_FALSE(empty.Message);
}

TEST_F(PictureFileTest, AMissingFileGivesTheAccessMessageWithTheSystemErrorCode) {
  const std::string path = folder.File("missing.bmp");
  const PictureRead<LoadedPicture> read = LoadPictureRgba(path, PluginDir);
  EXPECT_FALSE(read.Picture);
  EXPECT_EQ(read.Message, (UserMessage{"Error openging file " + path + " error 2", "accessfile", MessageIcon::Stop}));
}

TEST_F(PictureFileTest, AFolderInPlaceOfTheFileGivesTheAccessMessage) {
  const std::string path = folder.File("folder.bmp");
  std::filesystem::create_directory(path);
  const PictureRead<LoadedPicture> read = LoadPictureRgba(path, PluginDir);
  EXPECT_FALSE(read.Picture);
  ASSERT_TRUE(read.Message);
  EXPECT_EQ(read.Message->Caption, "accessfile");
  EXPECT_NE(read.Message->Text.find(path), std::string::npos);
}

// Files cut at every length: each is refused (a damaged PNG with the plug-in's message) or loads at
// its full size (a JPEG decodes as far as it goes, a PNG needs nothing after its pixel data); none
// reads past its end.
TEST_F(PictureFileTest, AFileCutAnywhereIsRefusedOrLoadsWhole) {
  const Picture picture = test::PatternPicture(9, 7);
  const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files{
      {"cut.bmp", *EncodeBmpFile(picture)},
      {"cut.png", test::EncodeTestPng({.Width = 9, .Height = 7}, Samples(picture))},
      {"cut.jpg", Jpeg(picture)}};
  for (const auto& [name, bytes] : files) {
    for (std::size_t length = 0; length < bytes.size(); ++length) {
      const std::string path = Write(name, {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length)});
      const PictureRead<LoadedPicture> read = LoadPictureRgba(path, PluginDir);
      if (read.Picture) {
        ASSERT_EQ(read.Picture->Width, 9) << name << " cut at " << length;
        ASSERT_EQ(read.Picture->Height, 7) << name << " cut at " << length;
      } else if (name == "cut.png") {
        ASSERT_TRUE(read.Message) << length;
        ASSERT_EQ(read.Message->Caption, "readingfile") << length;
      }
    }
  }
}

TEST_F(PictureFileTest, AMissingPlugInIsReportedForEveryPngAskedFor) {
  const std::string png = Write("a.png", test::EncodeTestPng({}, {1, 2, 3}));
  const UserMessage expected{"File not found " + folder.File("png.so"), "TessmarkPicture", MessageIcon::Stop};
  for (int i = 0; i < 2; ++i) {
    const PictureRead<LoadedPicture> read = LoadPictureRgba(png, folder.Path.string());
    EXPECT_FALSE(read.Picture);
    EXPECT_EQ(read.Message, expected);
  }
}

TEST_F(PictureFileTest, ALibraryWithoutTheDecoderEntryFailsSilently) {
  // Any shared library that lacks loadPngImage stands for a foreign png.so: zlib, found where the
  // loader took it from.
  Dl_info zlib{};
  ASSERT_NE(dladdr(reinterpret_cast<void*>(&zlibVersion), &zlib), 0);
  const std::string foreign = folder.File("lib");
  std::filesystem::create_directories(foreign);
  std::filesystem::copy_file(zlib.dli_fname, foreign + "/png.so");
  const PictureRead<LoadedPicture> read = LoadPictureRgba(Write("a.png", test::EncodeTestPng({}, {1, 2, 3})), foreign);
  EXPECT_FALSE(read.Picture);
  EXPECT_FALSE(read.Message);
}

TEST_F(PictureFileTest, UndecodableFilesFailWithTheirFormatsMessages) {
  const std::vector<std::uint8_t> junk{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e', '!', '!'};
  const std::string png = Write("bad.png", junk);
  const PictureRead<LoadedPicture> badPng = LoadPictureRgba(png, PluginDir);
  EXPECT_FALSE(badPng.Picture);
  EXPECT_EQ(badPng.Message, (UserMessage{"Error reading png-file " + png, "readingfile", MessageIcon::Stop}));
  for (const std::string name : {"bad.bmp", "bad.jpg"}) {
    const PictureRead<LoadedPicture> read = LoadPictureRgba(Write(name, junk), PluginDir);
    EXPECT_FALSE(read.Picture) << name;
    EXPECT_FALSE(read.Message) << name;
  }
}

}  // namespace
}  // namespace tessmark
