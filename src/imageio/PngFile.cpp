#include "imageio/PngFile.h"

#include <png.h>

#include <new>

namespace tessmark {
namespace {

void FailWrite(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

// No exception may cross libpng's C frames.
bool Deliver(const ByteSink& out, const png_byte* data, std::size_t n) noexcept {
  try {
    out({data, n});
    return true;
  } catch (...) {
    return false;
  }
}

void WriteToSink(png_structp png, png_bytep data, png_size_t n) {
  if (!Deliver(*static_cast<const ByteSink*>(png_get_io_ptr(png)), data, n)) png_error(png, "out of memory");
}

void FlushNothing(png_structp) {}

// libpng reports errors by longjmp: this function keeps no object with a destructor.
bool WritePng(const Picture& picture, const ByteSink& out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, FailWrite, IgnoreWarning);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, const_cast<ByteSink*>(&out), WriteToSink, FlushNothing);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width), static_cast<png_uint_32>(picture.Height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  // libpng's row type is not const, but writing only reads the rows.
  for (std::int32_t y = 0; y < picture.Height; ++y) png_write_row(png, const_cast<png_bytep>(picture.Row(y)));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool StreamPngFile(const Picture& picture, const ByteSink& out) {
  return picture.Width > 0 && picture.Height > 0 && WritePng(picture, out);
}

std::optional<std::vector<std::uint8_t>> EncodePngFile(const Picture& picture) {
  std::vector<std::uint8_t> file;
  if (!StreamPngFile(picture, [&file](std::span<const std::uint8_t> piece) {
        file.insert(file.end(), piece.begin(), piece.end());
      }))
    return std::nullopt;
  return file;
}

}  // namespace tessmark
