#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "imageio/BmpFile.h"
#include "imageio/ClipboardDib.h"

// Any bytes as a BMP file and as a clipboard block: a decoded picture has a positive size, and
// nothing is read outside the bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  if (const std::optional<tessmark::Picture> file = tessmark::DecodeBmpFile(bytes))
    if (file->Width <= 0 || file->Height <= 0) std::abort();
  const std::span<const std::uint8_t> dib = size >= 14 ? bytes.subspan(14) : bytes;
  const tessmark::ClipboardPicture pasted = tessmark::ParseClipboardDib(dib);
  if ((pasted.Status == tessmark::ClipboardDibStatus::Ok) != pasted.Image.has_value()) std::abort();
  return 0;
}
