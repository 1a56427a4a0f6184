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

// The rows of a 24-bit bitmap as stored (blue, green, red), for readers that convert them on the
// fly: Row(y) is picture row y (0 = top). Nothing for other bit counts or rows that do not fit.
struct DibBgrRows {
  const std::uint8_t* First = nullptr;
  std::ptrdiff_t Step = 0;
  const std::uint8_t* Row(std::int32_t y) const { return First + Step * y; }
};
std::optional<DibBgrRows> FindDibBgrRows(std::span<const std::uint8_t> dib, const DibHeader& header,
                                         std::size_t pixelOffset);

// Header and rows of a block laid out without gaps (the clipboard's layout).
std::optional<Picture> DecodeDib(std::span<const std::uint8_t> dib);

}  // namespace tessmark
