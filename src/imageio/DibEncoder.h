#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tessmark {

// Size of the header that every device-independent bitmap we write starts with.
inline constexpr std::uint32_t DibHeaderSize = 40;

// Bytes of one stored row: bitCount x width bits rounded up to whole 32-bit words.
constexpr std::uint64_t DibRowStride(std::uint32_t bitCount, std::uint32_t width) {
  return (std::uint64_t{bitCount} * width + 31) / 32 * 4;
}

// Fills the blue, green, red bytes of picture row y (0 = top).
using DibRowSource = std::function<void(std::int32_t y, std::uint8_t* bgr)>;

// A 24-bit bottom-up bitmap: the 40-byte header (positive height, BI_RGB, every unnamed field 0)
// followed by the rows, each padded to a multiple of 4 bytes. Nothing when the size does not fit
// the header's 32-bit fields or the memory is not there. The first `front` bytes are left zero for
// a header that the caller puts in front (a file header).
std::optional<std::vector<std::uint8_t>> EncodeDib24(std::int32_t width, std::int32_t height, const DibRowSource& row,
                                                     std::uint32_t front = 0);

}  // namespace tessmark
