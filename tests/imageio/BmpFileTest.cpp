#include "imageio/BmpFile.h"

#include <gtest/gtest.h>

#include "imageio/ByteOrder.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

TEST(EncodeBmpFile, WritesHeadersAndBottomUpBlueGreenRedRowsPaddedToFourBytes) {
  const Picture picture = test::PatternPicture(5, 3);
  const std::vector<std::uint8_t> file = *EncodeBmpFile(picture);
  const std::span<const std::uint8_t> b(file);
  const std::size_t stride = 16;  // 5 x 3 bytes padded
  ASSERT_EQ(file.size(), 14u + 40u + stride * 3);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(GetLe32(b, 2), file.size());
  EXPECT_EQ(GetLe32(b, 10), 54u);
  EXPECT_EQ(GetLe32(b, 14), 40u);
  EXPECT_EQ(GetLe32(b, 18), 5u);
  EXPECT_EQ(GetLe32(b, 22), 3u);
  EXPECT_EQ(GetLe16(b, 26), 1u);
  EXPECT_EQ(GetLe16(b, 28), 24u);
  EXPECT_EQ(GetLe32(b, 30), 0u);
  EXPECT_EQ(GetLe32(b, 34), stride * 3);
  for (int y = 0; y < 3; ++y) {
    const std::uint8_t* row = file.data() + 54 + (2 - y) * stride;
    for (int x = 0; x < 5; ++x) {
      const Color c = test::PixelAt(picture, x, y);
      EXPECT_EQ((Color{row[x * 3 + 2], row[x * 3 + 1], row[x * 3]}), c) << x << "," << y;
    }
    EXPECT_EQ(row[15], 0);
  }
}

}  // namespace
}  // namespace tessmark
