#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "imageio/BmpFile.h"

// BMP files of any content: the decoder never reads outside the file and what it accepts is a
// whole picture, which survives writing out and reading back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto picture = tessmark::DecodeBmpFile({data, size});
  if (!picture) return 0;
  if (picture->Width <= 0 || picture->Height <= 0) std::abort();
  const auto file = tessmark::EncodeBmpFile(*picture);
  if (!file) return 0;
  const auto again = tessmark::DecodeBmpFile(*file);
  if (!again || again->Width != picture->Width || again->Height != picture->Height) std::abort();
  if (!std::equal(picture->Pixels(), picture->Pixels() + picture->ByteCount(), again->Pixels())) std::abort();
  return 0;
}
