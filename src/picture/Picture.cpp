#include "picture/Picture.h"

#include <cstring>

namespace tessmark {

Picture::Picture(std::int32_t width, std::int32_t height, LargeBlock<std::uint8_t> pixels)
    : Width(width), Height(height), pixels_(std::move(pixels)) {}

std::optional<Picture> AllocatePicture(std::int32_t width, std::int32_t height, const AvailableMemory& available) {
  if (width <= 0 || height <= 0) return std::nullopt;
  const std::uint64_t bytes = std::uint64_t(width) * std::uint64_t(height) * 3;
  if (bytes > MaxPictureBytes || !MemoryFits(bytes, available)) return std::nullopt;
  LargeBlock<std::uint8_t> pixels(static_cast<std::uint8_t*>(AllocateLargeBlock(bytes)));
  if (!pixels) return std::nullopt;
  return Picture(width, height, std::move(pixels));
}

std::optional<Picture> CreatePicture(std::int32_t width, std::int32_t height, const AvailableMemory& available) {
  std::optional<Picture> picture = AllocatePicture(width, height, available);
  if (picture) std::memset(picture->Pixels(), 255, picture->ByteCount());
  return picture;
}

std::optional<Picture> ClonePicture(const Picture& picture, const AvailableMemory& available) {
  std::optional<Picture> copy = AllocatePicture(picture.Width, picture.Height, available);
  if (copy) std::memcpy(copy->Pixels(), picture.Pixels(), picture.ByteCount());
  return copy;
}

}  // namespace tessmark
