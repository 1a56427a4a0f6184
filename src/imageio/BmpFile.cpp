#include "imageio/BmpFile.h"

#include <new>

#include "imageio/ByteOrder.h"
#include "imageio/DibDecoder.h"
#include "imageio/DibEncoder.h"

namespace tessmark {

bool StreamBmpFile(const Picture& picture, const ByteSink& out) {
  const std::optional<std::uint32_t> dibBytes = Dib24Bytes(picture.Width, picture.Height, BmpFileHeaderSize);
  if (!dibBytes) return false;
  std::uint8_t header[BmpFileHeaderSize] = {'B', 'M'};
  PutLe32(header + 2, BmpFileHeaderSize + *dibBytes);
  PutLe32(header + 10, BmpFileHeaderSize + DibHeaderSize);
  out(header);
  return StreamDib24(picture.Width, picture.Height, [&picture](std::int32_t y, std::uint8_t* bgr) {
    const std::uint8_t* rgb = picture.Row(y);
    for (std::int32_t x = 0; x < picture.Width; ++x, rgb += 3, bgr += 3) {
      bgr[0] = rgb[2];
      bgr[1] = rgb[1];
      bgr[2] = rgb[0];
    }
  }, out);
}

std::optional<std::vector<std::uint8_t>> EncodeBmpFile(const Picture& picture) {
  const std::optional<std::uint32_t> dibBytes = Dib24Bytes(picture.Width, picture.Height, BmpFileHeaderSize);
  if (!dibBytes) return std::nullopt;
  std::vector<std::uint8_t> file;
  try {
    file.reserve(BmpFileHeaderSize + *dibBytes);
    StreamBmpFile(picture, [&file](std::span<const std::uint8_t> piece) { file.insert(file.end(), piece.begin(), piece.end()); });
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  return file;
}

std::optional<BmpFileLayout> ReadBmpFileLayout(std::span<const std::uint8_t> file) {
  if (file.size() < BmpFileHeaderSize || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  const std::span<const std::uint8_t> dib = file.subspan(BmpFileHeaderSize);
  const std::optional<DibHeader> header = ReadDibHeader(dib);
  if (!header) return std::nullopt;
  // The file header says where the rows start; writers that leave it 0 or point into the
  // headers get the offset that follows from the headers.
  const std::uint32_t offset = GetLe32(file, 10);
  const bool usable = offset >= BmpFileHeaderSize + header->TableOffset && offset <= file.size();
  return BmpFileLayout{*header, dib, usable ? offset - BmpFileHeaderSize : header->PixelOffset};
}

std::optional<Picture> DecodeBmpFile(std::span<const std::uint8_t> file) {
  const std::optional<BmpFileLayout> layout = ReadBmpFileLayout(file);
  if (!layout) return std::nullopt;
  return DecodeDib(layout->Dib, layout->Header, layout->PixelOffset);
}

}  // namespace tessmark
