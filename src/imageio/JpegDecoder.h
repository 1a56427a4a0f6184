#pragma once

#include <cstdint>
#include <span>

#include "imageio/RgbImage.h"

namespace tessmark {

// Decodes a JPEG stream held in memory. Greyscale comes out with red = green = blue; a truncated
// stream decodes as far as it goes (the rest is what libjpeg makes of an early end); rows of files
// with other component counts stay black. Width and height are 0, and no pixels, on failure:
// empty or broken input, a zero size, or more than MaxDecodedPixels.
RgbImage DecodeJpegMemory(std::span<const std::uint8_t> data);

}  // namespace tessmark
