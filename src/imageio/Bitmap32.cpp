#include "imageio/Bitmap32.h"

#include <sys/mman.h>

#include <cstdlib>

namespace tessmark {
namespace {

constexpr std::size_t HugePage = std::size_t{1} << 21;

}  // namespace

void Bitmap32::FreeBytes::operator()(std::uint8_t* bytes) const { std::free(bytes); }

std::optional<Bitmap32> AllocateBitmap32(std::int32_t width, std::int32_t height, const AvailableMemory& available) {
  if (!Bitmap32SizeFits(width, height)) return std::nullopt;
  const std::uint64_t bytes = std::uint64_t(width) * std::uint64_t(height) * 4;
  if (!MemoryFits(bytes, available)) return std::nullopt;
  Bitmap32 bitmap;
  // Display-sized blocks come straight from the kernel, and touching one the first time costs
  // a page fault per 4 KiB, as much as building it. Aligned to huge pages and marked for them,
  // a block takes a fault per 2 MiB where the system allows it.
  if (bytes >= HugePage) {
    const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
    bitmap.bytes_.reset(static_cast<std::uint8_t*>(std::aligned_alloc(HugePage, rounded)));
    if (bitmap.bytes_) ::madvise(bitmap.bytes_.get(), rounded, MADV_HUGEPAGE);
  } else {
    bitmap.bytes_.reset(static_cast<std::uint8_t*>(std::malloc(bytes)));
  }
  // Left uninitialised: every builder writes each byte.
  if (!bitmap.bytes_) return std::nullopt;
  bitmap.Width = width;
  bitmap.Height = height;
  return bitmap;
}

}  // namespace tessmark
