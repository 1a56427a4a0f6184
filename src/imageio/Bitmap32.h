#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessmark {

// A 32-bit device bitmap as the platform holds it: Width x Height pixels of four bytes blue, green,
// red, unused (0xFF), rows from the top, no padding.
struct Bitmap32 {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::vector<std::uint8_t> Bytes;

  std::uint8_t* Row(std::int32_t y) { return Bytes.data() + static_cast<std::size_t>(y) * Width * 4; }
  const std::uint8_t* Row(std::int32_t y) const { return Bytes.data() + static_cast<std::size_t>(y) * Width * 4; }
};

}  // namespace tessmark
