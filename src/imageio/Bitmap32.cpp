#include "imageio/Bitmap32.h"

namespace tessmark {

std::optional<Bitmap32> AllocateBitmap32(std::int32_t width, std::int32_t height, const AvailableMemory& available) {
  if (!Bitmap32SizeFits(width, height)) return std::nullopt;
  const std::uint64_t bytes = std::uint64_t(width) * std::uint64_t(height) * 4;
  if (!MemoryFits(bytes, available)) return std::nullopt;
  Bitmap32 bitmap;
  // Left uninitialised: every builder writes each byte.
  bitmap.bytes_.reset(static_cast<std::uint8_t*>(AllocateLargeBlock(bytes)));
  if (!bitmap.bytes_) return std::nullopt;
  bitmap.Width = width;
  bitmap.Height = height;
  return bitmap;
}

}  // namespace tessmark
