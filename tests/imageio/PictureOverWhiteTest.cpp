#include "imageio/PictureOverWhite.h"

#include <gtest/gtest.h>

#include "files/FileBytes.h"
#include "support/PngWriter.h"
#include "support/TempFolder.h"

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

}  // namespace
}  // namespace tessmark
