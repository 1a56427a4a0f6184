#include "imageio/DibEncoder.h"

#include <new>

#include "imageio/ByteOrder.h"

namespace tessmark {

std::optional<std::vector<std::uint8_t>> EncodeDib24(std::int32_t width, std::int32_t height, const DibRowSource& row,
                                                     std::uint32_t front) {
  if (width <= 0 || height <= 0) return std::nullopt;
  const std::uint64_t stride = DibRowStride(24, static_cast<std::uint32_t>(width));
  const std::uint64_t imageSize = stride * static_cast<std::uint64_t>(height);
  // The whole block, file header included, must be describable by 32-bit sizes.
  if (imageSize > 0xFFFFFFFFull - DibHeaderSize - front) return std::nullopt;
  std::vector<std::uint8_t> dib;
  try {
    dib.assign(front + DibHeaderSize + imageSize, 0);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  std::uint8_t* h = dib.data() + front;
  PutLe32(h, DibHeaderSize);
  PutLe32(h + 4, static_cast<std::uint32_t>(width));
  PutLe32(h + 8, static_cast<std::uint32_t>(height));
  PutLe16(h + 12, 1);
  PutLe16(h + 14, 24);
  PutLe32(h + 20, static_cast<std::uint32_t>(imageSize));
  std::uint8_t* rows = h + DibHeaderSize;
  for (std::int32_t y = 0; y < height; ++y) row(y, rows + (height - 1 - y) * stride);
  return dib;
}

}  // namespace tessmark
