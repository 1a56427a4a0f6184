#include "paint/Fill.h"

#include <gtest/gtest.h>

#include "support/PaintFixture.h"

namespace tessmark {
namespace {

using test::PixelAt;

// A picture whose pixels all differ, so that a mix shows per pixel.
Picture Gradient() {
  Picture picture = test::WhitePicture(7, 5);
  for (int i = 0; i < 7 * 5 * 3; ++i) picture.Pixels()[i] = static_cast<std::uint8_t>(i * 7);
  return picture;
}

TEST(FillPicture, FullCoversEveryPixelExactlyWhateverTheWeight) {
  for (const bool connectable : {true, false}) {
    Picture picture = Gradient();
    FillPicture(picture, {0x99, 0x66, 0x33}, true, connectable, 40);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) ASSERT_EQ(PixelAt(picture, x, y), (Color{0x99, 0x66, 0x33}));
  }
}

TEST(FillPicture, MixedBlendsEveryPixelOnceWithTheWeight) {
  const Picture before = Gradient();
  Picture picture = Gradient();
  FillPicture(picture, {10, 200, 90}, false, true, 127);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) {
      const Color old = PixelAt(before, x, y);
      ASSERT_EQ(PixelAt(picture, x, y),
                (Color{BlendChannel(old.Red, 10, 127), BlendChannel(old.Green, 200, 127), BlendChannel(old.Blue, 90, 127)}));
    }
  }
}

TEST(FillPicture, MixedAtTheExtremeWeightsReplacesOrKeeps) {
  Picture picture = Gradient();
  FillPicture(picture, {1, 2, 3}, false, false, 0);
  EXPECT_TRUE(test::SamePixels(picture, Gradient()));
  FillPicture(picture, {1, 2, 3}, false, false, 255);
  EXPECT_EQ(PixelAt(picture, 6, 4), (Color{1, 2, 3}));
  EXPECT_EQ(PixelAt(picture, 0, 0), (Color{1, 2, 3}));
}

}  // namespace
}  // namespace tessmark
