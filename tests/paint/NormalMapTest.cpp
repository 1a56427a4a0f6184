#include "paint/NormalMap.h"

#include <gtest/gtest.h>

#include "paint/RandomValue.h"
#include "support/PaintFixture.h"

namespace tessmark {
namespace {

Picture Noisy(std::int32_t width, std::int32_t height) {
  Picture picture = test::WhitePicture(width, height);
  RandomValue random(11);
  for (std::size_t i = 0; i < picture.ByteCount(); ++i) picture.Pixels()[i] = static_cast<std::uint8_t>(random.Next());
  return picture;
}

Picture Shifted(const Picture& picture, std::int32_t dx, std::int32_t dy) {
  Picture shifted = test::WhitePicture(picture.Width, picture.Height);
  for (std::int32_t y = 0; y < picture.Height; ++y) {
    for (std::int32_t x = 0; x < picture.Width; ++x) {
      const std::uint8_t* from = picture.Row(y) + 3 * x;
      std::copy(from, from + 3, shifted.Row((y + dy) % picture.Height) + 3 * ((x + dx) % picture.Width));
    }
  }
  return shifted;
}

TEST(NormalMap, TheMapOfAConnectablePictureTilesAsThePictureDoes) {
  const Picture heights = Noisy(40, 26);
  const Picture shiftedMap = *NormalMap(Shifted(heights, 20, 13), true, {});
  EXPECT_TRUE(test::SamePixels(shiftedMap, Shifted(*NormalMap(heights, true, {}), 20, 13)));
  const Picture unwrapped = *NormalMap(Shifted(heights, 20, 13), false, {});
  EXPECT_FALSE(test::SamePixels(unwrapped, shiftedMap));
}

TEST(NormalMap, FlatIsStraightUpAndYDownMirrorsOnlyGreen) {
  const Picture flat = test::WhitePicture(8, 8);
  EXPECT_EQ(test::PixelAt(*NormalMap(flat, true, {}), 3, 3), (Color{128, 128, 255}));
  const Picture heights = Noisy(16, 16);
  const Picture up = *NormalMap(heights, true, {});
  const Picture down = *NormalMap(heights, true, {.YUp = false});
  for (std::int32_t y = 0; y < 16; ++y) {
    for (std::int32_t x = 0; x < 16; ++x) {
      const Color u = test::PixelAt(up, x, y), d = test::PixelAt(down, x, y);
      EXPECT_EQ(u.Red, d.Red);
      EXPECT_EQ(u.Blue, d.Blue);
      EXPECT_LE(std::abs(u.Green + d.Green - 255), 1);
    }
  }
}

}  // namespace
}  // namespace tessmark
