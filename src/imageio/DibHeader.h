#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "picture/Picture.h"

namespace tessmark {

enum DibCompression : std::uint32_t { DibRgb = 0, DibRle8 = 1, DibRle4 = 2, DibBitfields = 3, DibAlphaBitfields = 6 };

// What a device-independent bitmap header says, checked: a layout this codec decodes, a size
// within MaxDecodedPixels, and masks and colour table inside the block.
struct DibHeader {
  std::uint32_t HeaderSize = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;  // always positive; TopDown holds the sign
  bool TopDown = false;
  std::uint16_t BitCount = 0;
  std::uint32_t Compression = DibRgb;
  std::array<std::uint32_t, 3> Masks{};  // red, green, blue of 16- and 32-bit pixels
  std::size_t TableOffset = 0;           // colour table, counted from the header's first byte
  std::uint32_t TableEntries = 0;        // entries read into the palette (at most 2^BitCount)
  std::uint32_t TableEntrySize = 4;      // 3 for core headers
  std::size_t PixelOffset = 0;           // where the rows start when nothing says otherwise
};

// The bit count a header declares, read before anything else is checked; nothing when even that
// field lies outside the block.
std::optional<std::uint16_t> DibBitCount(std::span<const std::uint8_t> dib);

// The width and height a header states, the height's sign dropped (INT32_MIN counted as INT32_MAX),
// read as early and unchecked as DibBitCount: the fields lie before the bit count.
std::optional<PictureSize> DibStatedSize(std::span<const std::uint8_t> dib);

std::optional<DibHeader> ReadDibHeader(std::span<const std::uint8_t> dib);

}  // namespace tessmark
