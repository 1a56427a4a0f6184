#include "imageio/PictureFormats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "imageio/PictureFile.h"
#include "imageio/PictureWrite.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  std::ranges::transform(upper, upper.begin(), [](char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; });
  return upper;
}

TEST(PictureFormats, EachExtensionNamesItsOwnRowInAnyCaseAndTextsHaveOneOrderOfWrittenFormats) {
  std::vector<int> places;
  for (const PictureFormat& format : PictureFormats()) {
    for (const std::string_view extension : format.Extensions) {
      EXPECT_EQ(PictureFormatOfName("dir.d/a." + std::string(extension)), &format) << extension;
      EXPECT_EQ(PictureFormatOfName("A." + UpperCase(extension)), &format) << extension;
    }
    if (format.Write != nullptr) places.push_back(format.WrittenPlace);
  }
  std::ranges::sort(places);
  for (std::size_t i = 0; i < places.size(); ++i) EXPECT_EQ(places[i], static_cast<int>(i) + 1);
}

TEST(PictureFormats, EveryFormatWrittenReadsBackUnderTheNameItIsGiven) {
  test::TempFolder folder;
  const Picture picture = test::PatternPicture(9, 5);
  for (const PictureFormat& format : PictureFormats()) {
    if (format.Write == nullptr) continue;
    const std::string path = folder.File("a." + std::string(format.Extensions.front()));
    ASSERT_EQ(WritePictureFile(path, picture, format), 0) << path;
    const PictureRead<LoadedPicture> read = LoadPictureRgba(path, TESSMARK_PLUGIN_DIR);
    ASSERT_TRUE(read.Picture) << path;
    EXPECT_EQ(read.Picture->Width, picture.Width) << path;
    EXPECT_EQ(read.Picture->Height, picture.Height) << path;
  }
}

}  // namespace
}  // namespace tessmark
