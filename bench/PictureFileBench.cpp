// Reading and writing picture files of 4096 x 4096 (a picture of 100,000 discs, as a generated one
// looks), next to the bare libraries doing the same work: a plain copy for the BMP (its decoding is
// a byte shuffle), libpng with the plug-in's transformations, libjpeg with its default settings.

#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <png.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>

#include "files/FileBytes.h"
#include "files/HugePages.h"
#include "imageio/BmpFile.h"
#include "imageio/JpegEncoder.h"
#include "imageio/PictureFile.h"
#include "imageio/PictureOverWhite.h"
#include "imageio/PictureWrite.h"
#include "imageio/PngFile.h"

namespace tessmark {
namespace {

constexpr std::int32_t Side = 4096;

Picture DiscPicture() {
  std::optional<Picture> picture = CreatePicture(Side, Side);
  if (!picture) throw std::runtime_error("no memory for the benchmark picture");
  std::mt19937 random(1);
  for (int disc = 0; disc < 100000; ++disc) {
    const int cx = static_cast<int>(random() % Side), cy = static_cast<int>(random() % Side);
    const int r = 8 + static_cast<int>(random() % 25);
    const std::uint32_t colour = random();
    for (int y = std::max(0, cy - r); y <= std::min(Side - 1, cy + r); ++y)
      for (int x = std::max(0, cx - r); x <= std::min(Side - 1, cx + r); ++x)
        if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r)
          std::memcpy(picture->Row(y) + std::size_t(x) * 3, &colour, 3);
  }
  return std::move(*picture);
}

struct Files {
  Picture Source = DiscPicture();
  std::filesystem::path Folder =
      std::filesystem::temp_directory_path() / ("tessmark-bench-files-" + std::to_string(::getpid()));
  std::vector<std::uint8_t> Bmp = *EncodeBmpFile(Source);
  std::vector<std::uint8_t> Png = *EncodePngFile(Source);
  std::vector<std::uint8_t> Jpeg;
  Files() {
    if (!EncodeJpegMemory(Jpeg, Source.Pixels(), Side, Side)) throw std::runtime_error("no JPEG");
    std::filesystem::create_directories(Folder);
    for (const auto& [name, bytes] : {std::pair{"a.bmp", &Bmp}, {"a.png", &Png}, {"a.jpg", &Jpeg}})
      if (WriteFileAtomically(Path(name), *bytes) != 0) throw std::runtime_error("cannot write the bench files");
  }
  ~Files() { std::filesystem::remove_all(Folder); }
  std::string Path(const std::string& name) const { return (Folder / name).string(); }
};

const Files& TheFiles() {
  static const Files files;
  return files;
}

const char* const Names[] = {"a.bmp", "a.png", "a.jpg"};

void CountPixels(benchmark::State& state) {
  state.counters["Mpixel/s"] =
      benchmark::Counter(double(Side) * Side / 1e6 * double(state.iterations()), benchmark::Counter::kIsRate);
}

const std::vector<std::uint8_t>& Bytes(std::int64_t format) {
  const Files& files = TheFiles();
  return format == 0 ? files.Bmp : format == 1 ? files.Png : files.Jpeg;
}

// Decoding alone: the loaded picture from the file's bytes in memory.
void DecodeBytes(benchmark::State& state) {
  const std::vector<std::uint8_t>& bytes = Bytes(state.range(0));
  for (auto _ : state) {
    PictureRead<LoadedPicture> read = DecodePictureRgba(bytes, Names[state.range(0)], TESSMARK_PLUGIN_DIR);
    if (!read.Picture) state.SkipWithError("not decoded");
    benchmark::DoNotOptimize(read.Picture->Pixels.data());
  }
  CountPixels(state);
}
BENCHMARK(DecodeBytes)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The loaded picture from a file in the page cache: reading, decoding, 4-byte pixels.
void LoadFile(benchmark::State& state) {
  const std::string path = TheFiles().Path(Names[state.range(0)]);
  for (auto _ : state) {
    PictureRead<LoadedPicture> read = LoadPictureRgba(path, TESSMARK_PLUGIN_DIR);
    if (!read.Picture) state.SkipWithError("not loaded");
    benchmark::DoNotOptimize(read.Picture->Pixels.data());
  }
  CountPixels(state);
}
BENCHMARK(LoadFile)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// What tessmark --input does before painting: the file laid over white as a working picture.
void LoadOverWhite(benchmark::State& state) {
  const std::string path = TheFiles().Path(Names[state.range(0)]);
  for (auto _ : state) {
    PictureOverWhiteRead read = ReadPictureOverWhite(path, TESSMARK_PLUGIN_DIR);
    if (!read.Picture) state.SkipWithError("not loaded");
    benchmark::DoNotOptimize(read.Picture->Pixels());
  }
  CountPixels(state);
}
BENCHMARK(LoadOverWhite)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The yardsticks' output block: of plain pages (0), or of huge pages where the system gives them
// (1), as the loader asks for. On some systems the first touch of plain pages costs more than the
// decoding itself.
LargeBlock<std::uint8_t> FreshBlock(std::size_t bytes, std::int64_t huge) {
  return LargeBlock<std::uint8_t>(static_cast<std::uint8_t*>(huge == 1 ? AllocateLargeBlock(bytes) : std::malloc(bytes)));
}

// The BMP yardstick: the file's bytes copied into a fresh block.
void CopyBmpBytes(benchmark::State& state) {
  const std::vector<std::uint8_t>& bytes = TheFiles().Bmp;
  for (auto _ : state) {
    LargeBlock<std::uint8_t> copy = FreshBlock(bytes.size(), state.range(0));
    std::memcpy(copy.get(), bytes.data(), bytes.size());
    benchmark::DoNotOptimize(copy.get());
  }
  CountPixels(state);
}
BENCHMARK(CopyBmpBytes)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

struct PngMemory {
  const std::uint8_t* Data;
  std::size_t Size, At;
};

// The PNG yardstick: libpng alone, the plug-in's transformations, rows into one fresh block.
void LibpngDecode(benchmark::State& state) {
  const std::vector<std::uint8_t>& file = TheFiles().Png;
  for (auto _ : state) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    PngMemory memory{file.data(), file.size(), 0};
    png_set_read_fn(png, &memory, [](png_structp p, png_bytep out, png_size_t n) {
      auto* m = static_cast<PngMemory*>(png_get_io_ptr(p));
      std::memcpy(out, m->Data + m->At, n);
      m->At += n;
    });
    png_read_info(png, info);
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const std::size_t stride = png_get_rowbytes(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    LargeBlock<std::uint8_t> block = FreshBlock(stride * height, state.range(0));
    std::vector<png_bytep> rows(height);
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = block.get() + (height - 1 - y) * stride;
    png_read_image(png, rows.data());
    png_destroy_read_struct(&png, &info, nullptr);
    benchmark::DoNotOptimize(block.get());
  }
  CountPixels(state);
}
BENCHMARK(LibpngDecode)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// The JPEG yardstick: libjpeg alone, default settings, rows into one fresh block.
void LibjpegDecode(benchmark::State& state) {
  const std::vector<std::uint8_t>& file = TheFiles().Jpeg;
  for (auto _ : state) {
    jpeg_decompress_struct codec;
    jpeg_error_mgr errors;
    codec.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&codec);
    jpeg_mem_src(&codec, file.data(), file.size());
    jpeg_read_header(&codec, TRUE);
    jpeg_start_decompress(&codec);
    const std::size_t stride = std::size_t{codec.output_width} * codec.output_components;
    LargeBlock<std::uint8_t> block = FreshBlock(stride * codec.output_height, state.range(0));
    while (codec.output_scanline < codec.output_height) {
      JSAMPROW row = block.get() + codec.output_scanline * stride;
      jpeg_read_scanlines(&codec, &row, 1);
    }
    jpeg_finish_decompress(&codec);
    jpeg_destroy_decompress(&codec);
    benchmark::DoNotOptimize(block.get());
  }
  CountPixels(state);
}
BENCHMARK(LibjpegDecode)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// tessmark's output step: encoding and the all-or-nothing write (BMP, PNG).
void WriteOutputFile(benchmark::State& state) {
  const Files& files = TheFiles();
  const bool png = state.range(0) == 1;
  const std::string path = files.Path(png ? "out.png" : "out.bmp");
  for (auto _ : state)
    if (WritePictureFile(path, files.Source, FindPictureFormat(png ? PictureFormatId::Png : PictureFormatId::Bmp)) != 0)
      state.SkipWithError("not written");
  CountPixels(state);
}
BENCHMARK(WriteOutputFile)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// The PNG writing yardstick: libpng alone with the same settings into memory.
void LibpngEncode(benchmark::State& state) {
  const Picture& picture = TheFiles().Source;
  for (auto _ : state) {
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
          auto* o = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
          o->insert(o->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, Side, Side, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (std::int32_t y = 0; y < Side; ++y) png_write_row(png, picture.Row(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    benchmark::DoNotOptimize(out.data());
  }
  CountPixels(state);
}
BENCHMARK(LibpngEncode)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessmark
