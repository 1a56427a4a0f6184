#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <type_traits>
#include <memory>

#include "imageio/PngLibrary.h"

// The plug-in's own entry points, linked in from its source.
extern "C" unsigned char loadPngImage(const void* data, std::uint32_t size, std::int32_t* width, std::int32_t* height,
                                      unsigned char* alpha, unsigned char** pixels);
extern "C" void freePngImage(unsigned char* pixels);
extern "C" unsigned char loadPngRgbaRows(const void* data, std::uint32_t size, void* context,
                                         tessmark::PngRgbaRowAt rowAt);

static_assert(std::is_same_v<decltype(&loadPngImage), tessmark::LoadPngImageFunction>);
static_assert(std::is_same_v<decltype(&freePngImage), tessmark::FreePngImageFunction>);
static_assert(std::is_same_v<decltype(&loadPngRgbaRows), tessmark::LoadPngRgbaRowsFunction>);

namespace {

struct RgbaRows {
  std::unique_ptr<unsigned char[]> Pixels;  // left unset: a huge claim touches no more than it decodes
  std::int32_t Width = 0;
};

unsigned char* RgbaRowAt(void* context, std::int32_t width, std::int32_t height, std::int32_t y) {
  RgbaRows& rows = *static_cast<RgbaRows*>(context);
  if (y < 0) {
    rows.Pixels.reset(new unsigned char[static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4]);
    rows.Width = width;
  }
  return rows.Pixels.get() + static_cast<std::size_t>(std::max(y, 0)) * static_cast<std::size_t>(rows.Width) * 4;
}

// The caller's-rows entry point decodes the same file to the same pixels, top row first, opaque
// where the block has no alpha; and refuses what the other refuses.
bool RowsMatchBlock(const std::uint8_t* data, std::size_t size, const unsigned char* pixels, std::int32_t width,
                    std::int32_t height, bool alpha) {
  RgbaRows rows;
  if (!loadPngRgbaRows(data, static_cast<std::uint32_t>(size), &rows, RgbaRowAt)) return pixels == nullptr;
  if (pixels == nullptr || rows.Width != width) return false;
  const std::size_t channels = alpha ? 4 : 3;
  for (std::int32_t y = 0; y < height; ++y) {
    const unsigned char* in = pixels + static_cast<std::size_t>(height - 1 - y) * width * channels;
    const unsigned char* out = rows.Pixels.get() + static_cast<std::size_t>(y) * width * 4;
    for (std::int32_t x = 0; x < width; ++x, in += channels, out += 4)
      if (!std::equal(in, in + 3, out) || out[3] != (alpha ? in[3] : 255)) return false;
  }
  return true;
}

}  // namespace

// PNG files of any content: a refusal leaves the outputs alone, an accepted file delivers a block
// holding every row, which the plug-in takes back, and the same pixels into the caller's rows.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::int32_t width = 0;
  std::int32_t height = 0;
  unsigned char alpha = 0;
  unsigned char* pixels = nullptr;
  if (!loadPngImage(data, static_cast<std::uint32_t>(size), &width, &height, &alpha, &pixels)) {
    if (pixels != nullptr || width != 0 || height != 0) std::abort();
    if (!RowsMatchBlock(data, size, nullptr, 0, 0, false)) std::abort();
    return 0;
  }
  if (pixels == nullptr || width <= 0 || height <= 0) std::abort();
  const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * (alpha ? 4 : 3);
  // One read per page and of the last byte: the address sanitizer stops at any outside the block.
  volatile unsigned char sink = pixels[bytes - 1];
  for (std::size_t i = 0; i < bytes; i += 4096) sink = pixels[i];
  (void)sink;
  if (!RowsMatchBlock(data, size, pixels, width, height, alpha != 0)) std::abort();
  freePngImage(pixels);
  return 0;
}
