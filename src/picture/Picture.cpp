#include "picture/Picture.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstring>
#include <new>

namespace tessmark {

Picture::Picture(std::int32_t width, std::int32_t height, std::unique_ptr<std::uint8_t[]> pixels)
    : Width(width), Height(height), pixels_(std::move(pixels)) {}

std::optional<Picture> AllocatePicture(std::int32_t width, std::int32_t height, const AvailableMemory& available) {
  if (width <= 0 || height <= 0) return std::nullopt;
  const std::uint64_t bytes = std::uint64_t(width) * std::uint64_t(height) * 3;
  if (bytes > MaxPictureBytes || !MemoryFits(bytes, available)) return std::nullopt;
  std::unique_ptr<std::uint8_t[]> pixels(new (std::nothrow) std::uint8_t[bytes]);
  if (!pixels) return std::nullopt;
  // Blocks of 2 MiB and more come straight from the kernel, untouched: marked for huge pages before
  // the first touch, a large picture is painted with far fewer TLB misses.
  constexpr std::uintptr_t Page = 4096;
  const auto start = (reinterpret_cast<std::uintptr_t>(pixels.get()) + Page - 1) & ~(Page - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(pixels.get()) + bytes) & ~(Page - 1);
  if (bytes >= (std::uint64_t{1} << 21) && end > start) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
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
