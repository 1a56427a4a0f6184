#pragma once

#include <cstdint>
#include <span>

#include "imageio/DibPalette.h"
#include "picture/Picture.h"

namespace tessmark {

// Paints a bottom-up RLE8 (bitsPerIndex 8) or RLE4 (4) stream into a black picture. Runs and
// jumps that leave the picture are cut; a stream that ends early leaves the rest as it is.
void DecodeDibRle(std::span<const std::uint8_t> stream, int bitsPerIndex, const DibPalette& palette, Picture& picture);

}  // namespace tessmark
