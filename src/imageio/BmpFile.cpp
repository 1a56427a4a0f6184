#include "imageio/BmpFile.h"

#include "imageio/ByteOrder.h"
#include "imageio/DibEncoder.h"

namespace tessmark {

std::optional<std::vector<std::uint8_t>> EncodeBmpFile(const Picture& picture) {
  std::optional<std::vector<std::uint8_t>> dib =
      EncodeDib24(picture.Width, picture.Height, [&picture](std::int32_t y, std::uint8_t* bgr) {
        const std::uint8_t* rgb = picture.Row(y);
        for (std::int32_t x = 0; x < picture.Width; ++x, rgb += 3, bgr += 3) {
          bgr[0] = rgb[2];
          bgr[1] = rgb[1];
          bgr[2] = rgb[0];
        }
      },
      BmpFileHeaderSize);
  if (!dib) return std::nullopt;
  std::uint8_t* header = dib->data();
  header[0] = 'B';
  header[1] = 'M';
  PutLe32(header + 2, static_cast<std::uint32_t>(dib->size()));
  PutLe32(header + 10, BmpFileHeaderSize + DibHeaderSize);
  return dib;
}

}  // namespace tessmark
