#include "imageio/PngFile.h"

#include <gtest/gtest.h>
#include <png.h>

#include "support/TestPictures.h"

namespace tessmark {
namespace {

TEST(EncodePngFile, DecodesBackToExactlyThePicture) {
  for (const auto& [w, h] : {std::pair{1, 1}, {5, 3}, {64, 17}}) {
    const Picture picture = test::PatternPicture(w, h);
    const std::vector<std::uint8_t> file = *EncodePngFile(picture);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&image, file.data(), file.size()));
    EXPECT_EQ(image.format & PNG_FORMAT_FLAG_ALPHA, 0u);
    image.format = PNG_FORMAT_RGB;
    Picture decoded = test::WhitePicture(static_cast<int>(image.width), static_cast<int>(image.height));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, decoded.Pixels(), 0, nullptr));
    EXPECT_TRUE(test::SamePixels(decoded, picture)) << w << "x" << h;
  }
}

}  // namespace
}  // namespace tessmark
