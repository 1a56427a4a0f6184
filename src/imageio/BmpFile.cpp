#include "imageio/BmpFile.h"

#include "imageio/ByteOrder.h"
#include "imageio/DibDecoder.h"
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

std::optional<Picture> DecodeBmpFile(std::span<const std::uint8_t> file) {
  if (file.size() < BmpFileHeaderSize || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  const std::span<const std::uint8_t> dib = file.subspan(BmpFileHeaderSize);
  const std::optional<DibHeader> header = ReadDibHeader(dib);
  if (!header) return std::nullopt;
  // The file header says where the rows start; writers that leave it 0 or point into the
  // headers get the offset that follows from the headers.
  const std::uint32_t offset = GetLe32(file, 10);
  const bool usable = offset >= BmpFileHeaderSize + header->TableOffset && offset <= file.size();
  return DecodeDib(dib, *header, usable ? offset - BmpFileHeaderSize : header->PixelOffset);
}

}  // namespace tessmark
