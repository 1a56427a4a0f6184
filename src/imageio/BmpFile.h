#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "imageio/ByteSink.h"
#include "imageio/DibHeader.h"
#include "picture/Picture.h"

namespace tessmark {

inline constexpr std::uint32_t BmpFileHeaderSize = 14;

// The picture as a 24-bit BMP file: file header, 40-byte header, bottom-up padded rows.
// Nothing when the picture is too large for the format's 32-bit sizes.
std::optional<std::vector<std::uint8_t>> EncodeBmpFile(const Picture& picture);

// The same file handed out a row at a time, without a copy of the picture; false (and nothing
// handed out) when it is too large for the format.
bool StreamBmpFile(const Picture& picture, const ByteSink& out);

// A BMP file's checked header, its block after the file header, and where in that block the rows
// start.
struct BmpFileLayout {
  DibHeader Header;
  std::span<const std::uint8_t> Dib;
  std::size_t PixelOffset = 0;
};
std::optional<BmpFileLayout> ReadBmpFileLayout(std::span<const std::uint8_t> file);

// A BMP file of any layout the bitmap codec reads (1 to 32 bits, RLE, bit fields, either row
// order, core and OS/2 headers), upright. Nothing for anything else.
std::optional<Picture> DecodeBmpFile(std::span<const std::uint8_t> file);

}  // namespace tessmark
