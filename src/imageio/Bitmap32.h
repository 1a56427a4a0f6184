#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "files/HugePages.h"
#include "picture/AvailableMemory.h"

namespace tessmark {

// A 32-bit device bitmap as the platform holds it: Width x Height pixels of four bytes blue, green,
// red, 0xFF, rows from the top, no padding.
class Bitmap32 {
 public:
  std::int32_t Width = 0;
  std::int32_t Height = 0;

  std::size_t ByteCount() const { return static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height) * 4; }
  std::uint8_t* Bytes() { return bytes_.get(); }
  const std::uint8_t* Bytes() const { return bytes_.get(); }
  std::uint8_t* Row(std::int32_t y) { return bytes_.get() + static_cast<std::size_t>(y) * Width * 4; }
  const std::uint8_t* Row(std::int32_t y) const { return bytes_.get() + static_cast<std::size_t>(y) * Width * 4; }

 private:
  friend std::optional<Bitmap32> AllocateBitmap32(std::int32_t width, std::int32_t height,
                                                  const AvailableMemory& available);
  LargeBlock<std::uint8_t> bytes_;
};

// Whether a bitmap of that size can exist at all: positive, and its byte count within 32 bits.
constexpr bool Bitmap32SizeFits(std::int32_t width, std::int32_t height) {
  return width > 0 && height > 0 && std::uint64_t(width) * std::uint64_t(height) * 4 <= 0xFFFFFFFFull;
}

// A bitmap whose bytes the caller fills, or nothing for a size that does not fit or is beyond the
// memory there is (by what `available` says, before any of it is touched).
std::optional<Bitmap32> AllocateBitmap32(std::int32_t width, std::int32_t height,
                                         const AvailableMemory& available = SystemAvailableMemory);

}  // namespace tessmark
