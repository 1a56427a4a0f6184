#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "imageio/JpegDecoder.h"

// Any bytes as a JPEG stream: either no picture at all or exactly width x height x 3 bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tessmark::RgbImage image = tessmark::DecodeJpegMemory({data, size});
  const std::size_t expected = static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height) * 3;
  if (image.Width < 0 || image.Height < 0 || image.Pixels.size() != expected) std::abort();
  return 0;
}
