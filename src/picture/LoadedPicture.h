#pragma once

#include <cstdint>

#include "files/HugePages.h"

namespace tessmark {

// A picture read from a file: 4 bytes a pixel (red, green, blue, alpha; alpha 255 is opaque),
// rows from the top.
struct LoadedPicture {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  LargeBytes Pixels;

  const std::uint8_t* At(std::int32_t column, std::int32_t row) const {
    return Pixels.data() + (static_cast<std::size_t>(row) * static_cast<std::size_t>(Width) + column) * 4;
  }
};

}  // namespace tessmark
