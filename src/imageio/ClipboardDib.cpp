#include "imageio/ClipboardDib.h"

#include "imageio/DibDecoder.h"
#include "imageio/DibEncoder.h"
#include "imageio/DibHeader.h"

namespace tessmark {

std::optional<std::vector<std::uint8_t>> BuildClipboardDib(const Bitmap32& bitmap) {
  return EncodeDib24(bitmap.Width, bitmap.Height, [&bitmap](std::int32_t y, std::uint8_t* bgr) {
    const std::uint8_t* p = bitmap.Row(y);
    for (std::int32_t x = 0; x < bitmap.Width; ++x, p += 4, bgr += 3) {
      bgr[0] = p[0];
      bgr[1] = p[1];
      bgr[2] = p[2];
    }
  });
}

ClipboardPicture ParseClipboardDib(std::span<const std::uint8_t> block, const AvailableMemory& available) {
  const std::optional<std::uint16_t> bits = DibBitCount(block);
  if (!bits) return {};
  if (*bits != 24 && *bits != 32) return {ClipboardDibStatus::UnsupportedBitCount, {}, std::nullopt};
  const PictureSize size = *DibStatedSize(block);
  if (size.Width <= 0 || size.Height <= 0) return {ClipboardDibStatus::NoPixels, size, std::nullopt};
  const std::optional<DibHeader> header = ReadDibHeader(block);
  if (!header) return {};
  // Rows of 24 or 32 bits take at least the picture's 3 bytes a pixel: a shorter block is damaged,
  // whatever the memory.
  const std::uint64_t pictureBytes = std::uint64_t{3} * std::uint64_t(header->Width) * std::uint64_t(header->Height);
  if (pictureBytes <= block.size() && !MemoryFits(pictureBytes, available)) {
    return {ClipboardDibStatus::OutOfMemory, size, std::nullopt};
  }
  std::optional<Picture> image = DecodeDib(block, *header, header->PixelOffset);
  if (!image) return {};
  return {ClipboardDibStatus::Ok, size, std::move(image)};
}

}  // namespace tessmark
