#pragma once

#include <cstdint>
#include <vector>

namespace tessmark {

// Decoded pixels of three bytes red, green, blue, rows from the top, no padding.
struct RgbImage {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::vector<std::uint8_t> Pixels;
};

// The most pixels a decoder accepts from a file: bigger claims are hostile or beyond any use here.
inline constexpr std::uint64_t MaxDecodedPixels = std::uint64_t{1} << 28;

}  // namespace tessmark
