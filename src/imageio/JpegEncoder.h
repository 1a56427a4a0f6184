#pragma once

#include <cstdint>
#include <vector>

namespace tessmark {

// Encodes width x height pixels of red, green, blue (rows from the top, no padding) as a baseline
// JFIF stream at quality 99 into destination, which is replaced; its size is the stream length.
// False when there is no buffer, a size is not positive or libjpeg fails (destination undefined).
bool EncodeJpegMemory(std::vector<std::uint8_t>& destination, const std::uint8_t* rgb, std::int32_t width,
                      std::int32_t height);

}  // namespace tessmark
