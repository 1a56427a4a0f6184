#include "imageio/DibEncoder.h"

#include <array>
#include <new>

#include "imageio/ByteOrder.h"

namespace tessmark {

std::optional<std::uint32_t> Dib24Bytes(std::int32_t width, std::int32_t height, std::uint32_t front) {
  if (width <= 0 || height <= 0) return std::nullopt;
  const std::uint64_t imageSize = DibRowStride(24, static_cast<std::uint32_t>(width)) * static_cast<std::uint64_t>(height);
  // The whole block, file header included, must be describable by 32-bit sizes.
  if (imageSize > 0xFFFFFFFFull - DibHeaderSize - front) return std::nullopt;
  return static_cast<std::uint32_t>(DibHeaderSize + imageSize);
}

bool StreamDib24(std::int32_t width, std::int32_t height, const DibRowSource& row, const ByteSink& out) {
  const std::optional<std::uint32_t> bytes = Dib24Bytes(width, height);
  if (!bytes) return false;
  std::array<std::uint8_t, DibHeaderSize> h{};
  PutLe32(h.data(), DibHeaderSize);
  PutLe32(h.data() + 4, static_cast<std::uint32_t>(width));
  PutLe32(h.data() + 8, static_cast<std::uint32_t>(height));
  PutLe16(h.data() + 12, 1);
  PutLe16(h.data() + 14, 24);
  PutLe32(h.data() + 20, *bytes - DibHeaderSize);
  out(h);
  std::vector<std::uint8_t> stored(DibRowStride(24, static_cast<std::uint32_t>(width)), 0);
  for (std::int32_t y = height - 1; y >= 0; --y) {
    row(y, stored.data());
    out(stored);
  }
  return true;
}

std::optional<std::vector<std::uint8_t>> EncodeDib24(std::int32_t width, std::int32_t height, const DibRowSource& row) {
  const std::optional<std::uint32_t> bytes = Dib24Bytes(width, height);
  if (!bytes) return std::nullopt;
  std::vector<std::uint8_t> dib;
  try {
    dib.reserve(*bytes);
    StreamDib24(width, height, row, [&dib](std::span<const std::uint8_t> piece) {
      dib.insert(dib.end(), piece.begin(), piece.end());
    });
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  return dib;
}

}  // namespace tessmark
