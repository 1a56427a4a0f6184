#include "imageio/PngFile.h"

#include <png.h>

#include <new>

namespace tessmark {
namespace {

struct PngSink {
  std::vector<std::uint8_t>* Out;
};

void FailWrite(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

bool Append(std::vector<std::uint8_t>& out, const png_byte* data, std::size_t n) noexcept {
  try {
    out.insert(out.end(), data, data + n);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

void WriteToSink(png_structp png, png_bytep data, png_size_t n) {
  auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
  if (!Append(*sink->Out, data, n)) png_error(png, "out of memory");
}

void FlushNothing(png_structp) {}

// libpng reports errors by longjmp: this function keeps no object with a destructor.
bool WritePng(const Picture& picture, PngSink& sink, png_bytepp rows) {
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
  png_set_write_fn(png, &sink, WriteToSink, FlushNothing);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width), static_cast<png_uint_32>(picture.Height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodePngFile(const Picture& picture) {
  if (picture.Width <= 0 || picture.Height <= 0) return std::nullopt;
  try {
    std::vector<png_bytep> rows(static_cast<std::size_t>(picture.Height));
    // libpng's row type is not const, but writing only reads the rows.
    for (std::int32_t y = 0; y < picture.Height; ++y) rows[y] = const_cast<png_bytep>(picture.Row(y));
    std::vector<std::uint8_t> out;
    PngSink sink{&out};
    if (!WritePng(picture, sink, rows.data())) return std::nullopt;
    return out;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace tessmark
