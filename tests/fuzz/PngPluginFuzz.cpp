#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <type_traits>

#include "imageio/PngLibrary.h"

// The plug-in's own entry points, linked in from its source.
extern "C" unsigned char loadPngImage(const void* data, std::uint32_t size, std::int32_t* width, std::int32_t* height,
                                      unsigned char* alpha, unsigned char** pixels);
extern "C" void freePngImage(unsigned char* pixels);

static_assert(std::is_same_v<decltype(&loadPngImage), tessmark::LoadPngImageFunction>);
static_assert(std::is_same_v<decltype(&freePngImage), tessmark::FreePngImageFunction>);

// PNG files of any content: a refusal leaves the outputs alone, an accepted file delivers a block
// holding every row, which the plug-in takes back.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::int32_t width = 0;
  std::int32_t height = 0;
  unsigned char alpha = 0;
  unsigned char* pixels = nullptr;
  if (!loadPngImage(data, static_cast<std::uint32_t>(size), &width, &height, &alpha, &pixels)) {
    if (pixels != nullptr || width != 0 || height != 0) std::abort();
    return 0;
  }
  if (pixels == nullptr || width <= 0 || height <= 0) std::abort();
  const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * (alpha ? 4 : 3);
  // One read per page and of the last byte: the address sanitizer stops at any outside the block.
  volatile unsigned char sink = pixels[bytes - 1];
  for (std::size_t i = 0; i < bytes; i += 4096) sink = pixels[i];
  (void)sink;
  freePngImage(pixels);
  return 0;
}
