#include "imageio/PictureWrite.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "files/FileBytes.h"
#include "imageio/JpegDecoder.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

const PictureFormat& Jpeg = FindPictureFormat(PictureFormatId::Jpeg);

TEST(WritePictureFile, WritesTheFormatGivenWhateverTheName) {
  test::TempFolder folder;
  const std::string path = folder.File("sunset.png");
  ASSERT_EQ(WritePictureFile(path, test::PatternPicture(21, 11), Jpeg), 0);
  const RgbImage decoded = DecodeJpegMemory(ReadWholeFile(path, 1 << 20).Bytes);
  EXPECT_EQ(decoded.Width, 21);
  EXPECT_EQ(decoded.Height, 11);
}

TEST(WritePictureFile, ReplacesAnExistingFileAndFailsWithoutLeavingAnything) {
  test::TempFolder folder;
  const std::string path = folder.File("a.jpg");
  ASSERT_EQ(WriteFileAtomically(path, std::vector<std::uint8_t>{1, 2, 3}), 0);
  ASSERT_EQ(WritePictureFile(path, test::PatternPicture(8, 8), Jpeg), 0);
  EXPECT_GT(std::filesystem::file_size(path), 3u);

  EXPECT_EQ(WritePictureFile(folder.File("missing/b.jpg"), test::PatternPicture(8, 8), Jpeg), ENOENT);
  EXPECT_FALSE(std::filesystem::exists(folder.File("missing")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace tessmark
