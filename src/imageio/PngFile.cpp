#include "imageio/PngFile.h"

#include <png.h>
#include <zlib.h>

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

using Bytes = std::vector<std::uint8_t>;

// A zTXt chunk's data, made here rather than by libpng, which would stop the text at its first NUL:
// the keyword, its NUL, compression method 0, the zlib stream.
std::optional<Bytes> RecipeChunk(std::string_view recipe) {
  Bytes data(RecipeChunkKeyword.begin(), RecipeChunkKeyword.end());
  data.insert(data.end(), {0, 0});
  uLongf streamBytes = compressBound(recipe.size());
  const std::size_t start = data.size();
  data.resize(start + streamBytes);
  if (compress2(data.data() + start, &streamBytes, reinterpret_cast<const Bytef*>(recipe.data()), recipe.size(),
                Z_BEST_COMPRESSION) != Z_OK)
    return std::nullopt;
  data.resize(start + streamBytes);
  return data;
}

// libpng reports errors by longjmp: this function keeps no object with a destructor.
// chunk: written before the pixels, so that a reader looking for it stops at the first IDAT.
bool WritePng(const Picture& picture, const ByteSink& out, std::span<const std::uint8_t> chunk) {
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
  if (!chunk.empty()) png_write_chunk(png, reinterpret_cast<png_const_bytep>("zTXt"), chunk.data(), chunk.size());
  // libpng's row type is not const, but writing only reads the rows.
  for (std::int32_t y = 0; y < picture.Height; ++y) png_write_row(png, const_cast<png_bytep>(picture.Row(y)));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool StreamPngFile(const Picture& picture, const ByteSink& out) { return StreamPngFileWithRecipe(picture, out, {}); }

bool StreamPngFileWithRecipe(const Picture& picture, const ByteSink& out, std::string_view recipe) {
  if (picture.Width <= 0 || picture.Height <= 0) return false;
  if (recipe.empty()) return WritePng(picture, out, {});
  try {
    const std::optional<Bytes> chunk = RecipeChunk(recipe);
    return chunk && WritePng(picture, out, *chunk);
  } catch (const std::bad_alloc&) {
    return false;
  }
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
