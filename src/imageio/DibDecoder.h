#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "imageio/DibHeader.h"
#include "picture/Picture.h"

namespace tessmark {

// Decodes the rows of a checked header into an upright picture. The rows start pixelOffset bytes
// after the header's first byte. Nothing when the rows do not fit in the block; RLE streams that
// end early or jump outside the picture leave the missing pixels black.
std::optional<Picture> DecodeDib(std::span<const std::uint8_t> dib, const DibHeader& header, std::size_t pixelOffset);

// Header and rows of a block laid out without gaps (the clipboard's layout).
std::optional<Picture> DecodeDib(std::span<const std::uint8_t> dib);

}  // namespace tessmark
