// Throughput of the display bitmap (4096 x 4096 at zoom 1 and 3, bitmap pixels per second) and
// the cost of the JPEG export of a 2048 x 2048 picture (read-out, encoding and the file write),
// next to libjpeg alone encoding the same buffer with the same settings into memory.

#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "imageio/PictureWrite.h"
#include "view/DisplayBitmap.h"

namespace tessmark {
namespace {

// Smooth gradients with some texture: the encoder works about as hard as on a generated picture.
Picture BenchPicture(std::int32_t size) {
  std::optional<Picture> picture = CreatePicture(size, size);
  if (!picture) throw std::runtime_error("no memory for the benchmark picture");
  for (std::int32_t y = 0; y < size; ++y) {
    std::uint8_t* p = picture->Row(y);
    for (std::int32_t x = 0; x < size; ++x, p += 3) {
      p[0] = static_cast<std::uint8_t>(x / 8 + y % 7);
      p[1] = static_cast<std::uint8_t>(y / 8 + (x * y) % 5);
      p[2] = static_cast<std::uint8_t>((x + y) / 16);
    }
  }
  return std::move(*picture);
}

void CountBitmapPixels(benchmark::State& state, const Picture& picture) {
  const double pixels = double(DisplayWidth(picture.Width)) * picture.Height;
  state.counters["Mpixel/s"] =
      benchmark::Counter(pixels / 1e6 * double(state.iterations()), benchmark::Counter::kIsRate);
}

// As the main window rebuilds it after each command: into the bitmap it already holds.
void DisplayBitmapRebuild(benchmark::State& state) {
  const Picture picture = BenchPicture(4096);
  std::optional<Bitmap32> display;
  for (auto _ : state) {
    if (!RebuildDisplayBitmap(display, picture, static_cast<std::int32_t>(state.range(0)), true))
      state.SkipWithError("no memory");
    benchmark::DoNotOptimize(display->Bytes());
  }
  CountBitmapPixels(state, picture);
}
BENCHMARK(DisplayBitmapRebuild)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

// A new bitmap every time, page faults of the fresh block included (the first display of a picture).
void DisplayBitmapFresh(benchmark::State& state) {
  const Picture picture = BenchPicture(4096);
  for (auto _ : state) {
    std::optional<Bitmap32> bitmap = BuildDisplayBitmap(picture, static_cast<std::int32_t>(state.range(0)), true);
    benchmark::DoNotOptimize(bitmap->Bytes());
  }
  CountBitmapPixels(state, picture);
}
BENCHMARK(DisplayBitmapFresh)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

void JpegExport(benchmark::State& state) {
  const Picture picture = BenchPicture(2048);
  const PictureFormat& jpeg = FindPictureFormat(PictureFormatId::Jpeg);
  const std::string path =
      (std::filesystem::temp_directory_path() / ("tessmark-bench-" + std::to_string(::getpid()) + ".jpg")).string();
  for (auto _ : state)
    if (WritePictureFile(path, picture, jpeg) != 0) state.SkipWithError("the export failed");
  std::filesystem::remove(path);
}
BENCHMARK(JpegExport)->Unit(benchmark::kMillisecond);

// The yardstick: libjpeg's own memory destination, quality 99, baseline tables, the same buffer.
void LibjpegAlone(benchmark::State& state) {
  const Picture picture = BenchPicture(2048);
  for (auto _ : state) {
    jpeg_compress_struct codec;
    jpeg_error_mgr errors;
    codec.err = jpeg_std_error(&errors);
    jpeg_create_compress(&codec);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&codec, &out, &size);
    codec.image_width = static_cast<JDIMENSION>(picture.Width);
    codec.image_height = static_cast<JDIMENSION>(picture.Height);
    codec.input_components = 3;
    codec.in_color_space = JCS_RGB;
    jpeg_set_defaults(&codec);
    jpeg_set_quality(&codec, 99, TRUE);
    jpeg_start_compress(&codec, TRUE);
    while (codec.next_scanline < codec.image_height) {
      JSAMPROW row = const_cast<JSAMPROW>(picture.Row(static_cast<std::int32_t>(codec.next_scanline)));
      jpeg_write_scanlines(&codec, &row, 1);
    }
    jpeg_finish_compress(&codec);
    jpeg_destroy_compress(&codec);
    benchmark::DoNotOptimize(out);
    std::free(out);
  }
}
BENCHMARK(LibjpegAlone)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessmark
