#pragma once

#include <cstdint>

#include "picture/Picture.h"
#include "support/PaintFixture.h"  // SamePixels
#include "support/PictureProbe.h"

namespace tessmark::test {

// A picture whose every pixel differs from its neighbours, so that shears, flips and channel
// swaps show.
inline Picture PatternPicture(std::int32_t width, std::int32_t height) {
  Picture picture = WhitePicture(width, height);
  for (std::int32_t y = 0; y < height; ++y) {
    std::uint8_t* p = picture.Row(y);
    for (std::int32_t x = 0; x < width; ++x, p += 3) {
      p[0] = static_cast<std::uint8_t>(x * 7 + y * 3);
      p[1] = static_cast<std::uint8_t>(x * 5 + y * 11 + 40);
      p[2] = static_cast<std::uint8_t>(200 - x * 3 - y);
    }
  }
  return picture;
}

}  // namespace tessmark::test
