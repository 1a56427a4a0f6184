#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "imageio/BmpFile.h"

// A few hundred bytes of RLE may legitimately claim a picture of hundreds of megabytes; writing such
// a picture out and back only costs time.
constexpr std::size_t MaxRoundTripBytes = std::size_t{1} << 24;

// BMP files of any content: the decoder never reads outside the file and what it accepts is a
// whole picture, which survives writing out and reading back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto picture = tessmark::DecodeBmpFile({data, size});
  if (!picture) return 0;
  if (picture->Width <= 0 || picture->Height <= 0) std::abort();
  if (picture->ByteCount() > MaxRoundTripBytes) return 0;
  const auto file = tessmark::EncodeBmpFile(*picture);
  if (!file) return 0;
  const auto again = tessmark::DecodeBmpFile(*file);
  if (!again || again->Width != picture->Width || again->Height != picture->Height) std::abort();
  if (!std::equal(picture->Pixels(), picture->Pixels() + picture->ByteCount(), again->Pixels())) std::abort();
  return 0;
}
