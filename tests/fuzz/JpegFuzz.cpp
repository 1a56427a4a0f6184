#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz/LoadedMatches.h"
#include "imageio/JpegDecoder.h"

// JPEG streams of any content: a failure is an empty image, a success exactly its pixel rows, which
// the loader reads the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tessmark::RgbImage image = tessmark::DecodeJpegMemory({data, size});
  const auto expected = static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height) * 3;
  if (image.Width < 0 || image.Height < 0 || image.Pixels.size() != expected) std::abort();
  if ((image.Width == 0) != (image.Height == 0)) std::abort();
  if (image.Width > 0 && !LoadedMatches(data, size, "f.jpg", image.Pixels.data(), image.Width, image.Height, false))
    std::abort();
  return 0;
}
