#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "imageio/ByteSink.h"

namespace tessmark {

// Size of the header that every device-independent bitmap we write starts with.
inline constexpr std::uint32_t DibHeaderSize = 40;

// Bytes of one stored row: bitCount x width bits rounded up to whole 32-bit words.
constexpr std::uint64_t DibRowStride(std::uint32_t bitCount, std::uint32_t width) {
  return (std::uint64_t{bitCount} * width + 31) / 32 * 4;
}

// Fills the blue, green, red bytes of picture row y (0 = top).
using DibRowSource = std::function<void(std::int32_t y, std::uint8_t* bgr)>;

// Bytes of a 24-bit bitmap's header and rows, or nothing when the size is not positive or the
// bitmap with `front` more bytes before it does not fit the headers' 32-bit fields.
std::optional<std::uint32_t> Dib24Bytes(std::int32_t width, std::int32_t height, std::uint32_t front = 0);

// A 24-bit bottom-up bitmap: the 40-byte header (positive height, BI_RGB, every unnamed field 0)
// followed by the rows, each padded to a multiple of 4 bytes, handed out a row at a time. False
// (and nothing handed out) when Dib24Bytes refuses the size.
bool StreamDib24(std::int32_t width, std::int32_t height, const DibRowSource& row, const ByteSink& out);

// The same bitmap in one block. Nothing when the size is refused or the memory is not there.
std::optional<std::vector<std::uint8_t>> EncodeDib24(std::int32_t width, std::int32_t height, const DibRowSource& row);

}  // namespace tessmark
