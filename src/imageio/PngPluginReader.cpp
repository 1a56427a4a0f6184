#include <new>

#include "imageio/PictureReaders.h"
#include "imageio/PngLibrary.h"
#include "imageio/RgbImage.h"

namespace tessmark {
namespace {

// The plug-in's pixel block, handed back to it however the reading ends.
class PluginPixels {
 public:
  explicit PluginPixels(FreePngImageFunction release) : release_(release) {}
  PluginPixels(const PluginPixels&) = delete;
  PluginPixels& operator=(const PluginPixels&) = delete;
  ~PluginPixels() {
    if (pixels != nullptr && release_ != nullptr) release_(pixels);
  }
  unsigned char* pixels = nullptr;

 private:
  FreePngImageFunction release_;
};

// The plug-in's rows handed to a destination that holds RGBA: libpng writes each row in its place.
struct DirectRows {
  PictureRows& Rows;
  PictureFault Fault = PictureFault::Damaged;
};

unsigned char* DirectRowAt(void* context, std::int32_t width, std::int32_t height, std::int32_t y) noexcept {
  DirectRows& direct = *static_cast<DirectRows*>(context);
  if (y >= 0) return direct.Rows.Direct(y, RowLayout::Rgba);
  // The plug-in's answer is checked like any other input before room is made for it.
  if (width <= 0 || height <= 0 || std::uint64_t(width) * std::uint64_t(height) > MaxDecodedPixels) return nullptr;
  bool started = false;
  try {
    started = direct.Rows.Start(width, height);
  } catch (const std::bad_alloc&) {
  }
  if (!started) direct.Fault = PictureFault::NoMemory;
  return started ? reinterpret_cast<unsigned char*>(context) : nullptr;
}

PictureFailure PngFailure(const std::string& path, PictureFault fault) {
  if (fault == PictureFault::NoMemory) return {std::nullopt, fault};
  return {UserMessage{"Error reading png-file " + path, "readingfile"}, PictureFault::Damaged};
}

}  // namespace

PictureFailure ReadPngRows(std::span<const std::uint8_t> file, const std::string& path,
                           const std::string& programDirectory, PictureRows& rows) {
  const PngLibrary library = LoadPngLibrary(programDirectory);
  if (library.LoadPngImage == nullptr) return {library.Message, PictureFault::NoPlugin};
  if (file.size() > 0xFFFFFFFFu) return PngFailure(path, PictureFault::Damaged);
  const auto size = static_cast<std::uint32_t>(file.size());
  if (rows.Preferred() == RowLayout::Rgba && library.LoadPngRgbaRows != nullptr) {
    DirectRows direct{rows};
    if (library.LoadPngRgbaRows(file.data(), size, &direct, DirectRowAt) == 0) return PngFailure(path, direct.Fault);
    return {std::nullopt, PictureFault::None};
  }
  std::int32_t width = 0, height = 0;
  unsigned char alpha = 0;
  PluginPixels block(library.FreePngImage);
  const bool loaded = library.LoadPngImage(file.data(), size, &width, &height, &alpha, &block.pixels) != 0;
  // The plug-in's answer is checked like any other input before its block is read.
  if (!loaded || block.pixels == nullptr || width <= 0 || height <= 0 ||
      std::uint64_t(width) * std::uint64_t(height) > MaxDecodedPixels)
    return PngFailure(path, PictureFault::Damaged);
  // The plug-in's rows run from the bottom.
  const std::ptrdiff_t stride = std::ptrdiff_t{width} * (alpha ? 4 : 3);
  const bool put = PutRows(width, height, block.pixels + stride * (height - 1), -stride,
                           alpha ? RowLayout::Rgba : RowLayout::Rgb, rows);
  return {std::nullopt, put ? PictureFault::None : PictureFault::NoMemory};
}

}  // namespace tessmark
