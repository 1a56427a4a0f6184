#include "imageio/ClipboardPart.h"

#include <cstring>

namespace tessmark {

std::optional<Bitmap32> BuildPartExportBitmap(const Picture& picture, bool connectable) {
  const std::int32_t bx = picture.Width / 8, by = picture.Height / 8;
  const PictureSize size = PartExportSize(picture);
  std::optional<Bitmap32> bitmap = AllocateBitmap32(size.Width, size.Height);
  if (!bitmap) return std::nullopt;
  Color c{255, 255, 255};
  for (std::int32_t j = 0; j < bitmap->Height; ++j) {
    std::uint8_t* out = bitmap->Row(j);
    for (std::int32_t i = 0; i < bitmap->Width; ++i, out += 4) {
      Point p{i - bx, j - by};
      if (connectable) p = WrapCoordinates(picture.Width, picture.Height, p.X, p.Y);
      ReadPixel(picture, p.X, p.Y, c);  // leaves the previous colour where it cannot read
      out[0] = c.Blue;
      out[1] = c.Green;
      out[2] = c.Red;
      out[3] = 0xFF;
    }
  }
  return bitmap;
}

PictureSize PartExportSize(const Picture& picture) {
  return {picture.Width + 2 * (picture.Width / 8), picture.Height + 2 * (picture.Height / 8)};
}

PictureSize PartImportCheckedSize(std::int32_t width, std::int32_t height) {
  return {static_cast<std::int32_t>(width / 1.25), static_cast<std::int32_t>(height / 1.25)};
}

std::optional<Picture> CropPartImport(const Picture& clipboardPicture, const AvailableMemory& available) {
  const std::int32_t bx = clipboardPicture.Width / 10, by = clipboardPicture.Height / 10;
  std::optional<Picture> part =
      AllocatePicture(clipboardPicture.Width - 2 * bx, clipboardPicture.Height - 2 * by, available);
  if (!part) return std::nullopt;
  for (std::int32_t y = 0; y < part->Height; ++y)
    std::memcpy(part->Row(y), clipboardPicture.Row(y + by) + std::size_t(bx) * 3, std::size_t(part->Width) * 3);
  return part;
}

}  // namespace tessmark
