#pragma once

#include <cstdint>
#include <vector>

#include "imageio/ByteSink.h"

namespace tessmark {

// Encodes width x height pixels of red, green, blue (rows from the top, no padding) as a baseline
// JFIF stream at quality 99, handing it to out piece by piece as libjpeg makes it, so that a big
// picture's stream never sits whole in memory. False when there is no buffer, a size is not
// positive, libjpeg fails or out throws (what out has taken is then no valid stream).
bool StreamJpeg(const std::uint8_t* rgb, std::int32_t width, std::int32_t height, const ByteSink& out);

// The same stream into destination, which is replaced; its size is the stream length.
bool EncodeJpegMemory(std::vector<std::uint8_t>& destination, const std::uint8_t* rgb, std::int32_t width,
                      std::int32_t height);

}  // namespace tessmark
