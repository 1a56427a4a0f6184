#pragma once

#include <cstdint>
#include <span>

#include "imageio/PictureRows.h"
#include "imageio/RgbImage.h"

namespace tessmark {

// Decodes a JPEG stream held in memory. Greyscale comes out with red = green = blue; a truncated
// stream decodes as far as it goes (the rest is what libjpeg makes of an early end); rows of files
// with other component counts stay black. Width and height are 0, and no pixels, on failure:
// empty or broken input, a zero size, or more than MaxDecodedPixels.
RgbImage DecodeJpegMemory(std::span<const std::uint8_t> data);

// The same decoding into a destination of the caller's, in its preferred layout where libjpeg can
// deliver it; false on the same failures (the destination may then hold part of the rows).
bool DecodeJpegRows(std::span<const std::uint8_t> data, PictureRows& rows);

}  // namespace tessmark
