#include "imageio/Bitmap32.h"

#include <new>

namespace tessmark {

std::optional<Bitmap32> AllocateBitmap32(std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0) return std::nullopt;
  const std::uint64_t bytes = std::uint64_t(width) * std::uint64_t(height) * 4;
  if (bytes > 0xFFFFFFFFull) return std::nullopt;
  Bitmap32 bitmap;
  // Left uninitialised: every builder writes each byte, and a display-sized clear would cost
  // as much as the build itself.
  bitmap.bytes_.reset(new (std::nothrow) std::uint8_t[bytes]);
  if (!bitmap.bytes_) return std::nullopt;
  bitmap.Width = width;
  bitmap.Height = height;
  return bitmap;
}

}  // namespace tessmark
