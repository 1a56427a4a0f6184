// Writes the seed corpora of the picture and command-line fuzz targets: small valid inputs made by
// the program's own encoders and by the test writers, one layout each. Run once by hand
// (fuzz_seed_corpus tests/fuzz/corpus); the files are committed.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "imageio/BmpFile.h"
#include "imageio/ClipboardDib.h"
#include "imageio/JpegEncoder.h"
#include "imageio/PngFile.h"
#include "support/BmpWriter.h"
#include "support/PngWriter.h"
#include "support/TestPictures.h"

namespace {

using namespace tessmark;
namespace fs = std::filesystem;

void Write(const fs::path& folder, const std::string& name, const std::vector<std::uint8_t>& bytes) {
  fs::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::vector<Color> Colors(int n) {
  std::vector<Color> colors;
  for (int i = 0; i < n; ++i)
    colors.push_back({static_cast<std::uint8_t>(i * 37), static_cast<std::uint8_t>(255 - i * 11),
                      static_cast<std::uint8_t>(i * 5)});
  return colors;
}

// Palette colours in runs and single pixels, so that the RLE layouts have both kinds of packet.
Picture PalettePicture(int width, int height, const std::vector<Color>& palette) {
  Picture picture = test::WhitePicture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const Color& c = palette[x < width / 2 ? y % palette.size() : (x * 3 + y) % palette.size()];
      std::uint8_t* p = picture.Row(y) + x * 3;
      p[0] = c.Red, p[1] = c.Green, p[2] = c.Blue;
    }
  return picture;
}

struct BmpSeed {
  const char* Name;
  test::BmpLayout Layout;
};

std::vector<BmpSeed> BmpSeeds() {
  const std::array<std::uint32_t, 3> m565{0xF800, 0x07E0, 0x001F}, m32{0x00FF0000, 0x0000FF00, 0x000000FF};
  return {
      {"bits1", {.Bits = 1, .Palette = Colors(2)}},
      {"bits4_os2", {.Bits = 4, .HeaderSize = 64, .Palette = Colors(16)}},
      {"bits8_core", {.Bits = 8, .HeaderSize = 12, .Palette = Colors(20)}},
      {"bits8_topdown", {.Bits = 8, .TopDown = true, .Palette = Colors(9), .ColorsUsed = 9}},
      {"rle8", {.Bits = 8, .Compression = 1, .Palette = Colors(12)}},
      {"rle4", {.Bits = 4, .Compression = 2, .Palette = Colors(16)}},
      {"bits16", {.Bits = 16}},
      {"bits16_565", {.Bits = 16, .Compression = 3, .Masks = m565}},
      {"bits24_table", {.Bits = 24, .ExtraTableEntries = 2}},
      {"bits32", {.Bits = 32}},
      {"bits32_fields_v5", {.Bits = 32, .Compression = 3, .HeaderSize = 124, .Masks = m32}},
  };
}

Picture SeedPicture(const test::BmpLayout& layout) {
  return layout.Palette.empty() ? test::PatternPicture(7, 5) : PalettePicture(7, 5, layout.Palette);
}

void WriteBmpFiles(const fs::path& folder) {
  for (const BmpSeed& seed : BmpSeeds()) Write(folder, seed.Name, test::BmpWriter(seed.Layout).File(SeedPicture(seed.Layout)));
  Write(folder, "encoded", *EncodeBmpFile(test::PatternPicture(6, 4)));
}

void WriteClipboardDibs(const fs::path& folder) {
  Bitmap32 bitmap = *AllocateBitmap32(6, 4);
  for (std::size_t i = 0; i < bitmap.ByteCount(); ++i) bitmap.Bytes()[i] = static_cast<std::uint8_t>(i * 13);
  Write(folder, "built", *BuildClipboardDib(bitmap));
  const std::array<std::uint32_t, 3> m32{0x00FF0000, 0x0000FF00, 0x000000FF};
  Write(folder, "bits24_topdown", test::BmpWriter({.TopDown = true}).Dib(test::PatternPicture(10, 10)));
  Write(folder, "bits32_fields", test::BmpWriter({.Bits = 32, .Compression = 3, .Masks = m32}).Dib(test::PatternPicture(10, 10)));
  Write(folder, "bits32_v5", test::BmpWriter({.Bits = 32, .HeaderSize = 124}).Dib(test::PatternPicture(5, 3)));
  Write(folder, "bits8", test::BmpWriter({.Bits = 8, .Palette = Colors(4)}).Dib(PalettePicture(3, 2, Colors(4))));
}

std::vector<std::uint16_t> Samples(const test::PngLayout& layout) {
  const std::size_t count = std::size_t(layout.Width) * layout.Height * test::PngChannels(layout.ColorType);
  const unsigned top = layout.ColorType == PNG_COLOR_TYPE_PALETTE ? unsigned(layout.Palette.size()) : 1u << layout.BitDepth;
  std::vector<std::uint16_t> samples(count);
  for (std::size_t i = 0; i < count; ++i) samples[i] = static_cast<std::uint16_t>((i * 2654435761u) % top);
  return samples;
}

void WritePngFiles(const fs::path& folder) {
  Write(folder, "encoded", *EncodePngFile(test::PatternPicture(6, 4)));
  const std::vector<png_color> palette{{0, 0, 0}, {255, 0, 0}, {0, 200, 30}, {9, 9, 250}};
  const std::vector<std::pair<const char*, test::PngLayout>> layouts{
      {"grey1", {.Width = 9, .Height = 3, .ColorType = PNG_COLOR_TYPE_GRAY, .BitDepth = 1}},
      {"grey_alpha16", {.Width = 3, .Height = 3, .ColorType = PNG_COLOR_TYPE_GRAY_ALPHA, .BitDepth = 16}},
      {"palette2_trns", {.Width = 5, .Height = 2, .ColorType = PNG_COLOR_TYPE_PALETTE, .BitDepth = 2,
                         .Palette = palette, .PaletteAlpha = {255, 0, 128}}},
      {"rgb16_interlaced", {.Width = 9, .Height = 9, .BitDepth = 16, .Interlaced = true}},
      {"rgba8", {.Width = 4, .Height = 4, .ColorType = PNG_COLOR_TYPE_RGBA}},
      {"rgb8_trns", {.Width = 3, .Height = 2, .Transparent = png_color_16{0, 10, 20, 30, 0}}},
  };
  for (const auto& [name, layout] : layouts) Write(folder, name, test::EncodeTestPng(layout, Samples(layout)));
}

void WriteJpegFiles(const fs::path& folder) {
  for (const auto& [w, h] : {std::pair{1, 1}, {8, 8}, {19, 11}}) {
    const Picture picture = test::PatternPicture(w, h);
    std::vector<std::uint8_t> stream;
    if (!EncodeJpegMemory(stream, picture.Pixels(), w, h)) throw std::runtime_error("JPEG not encoded");
    Write(folder, "pattern_" + std::to_string(w) + "x" + std::to_string(h), stream);
  }
}

// Words separated by NUL bytes, as the fuzz target splits them.
void WriteCommandLines(const fs::path& folder) {
  const std::vector<std::pair<const char*, std::vector<std::string>>> lines{
      {"help", {"--help"}},
      {"circles", {"--size", "64x48", "--seed", "7", "-o", "out.png", "circle:count=5,raymin=2,raymax=9"}},
      {"operations", {"--input=in.bmp", "--output=x.jpg", "fill:color=#102030,full=0", "noise:percent=12,germe=3",
                      "rect:xmin=1,ymax=40", "POLYGON:Count=3,fill=1", "vector:weightmax=4",
                      "circlemix:files=a.bmp;b.png,mixemin=2", "tag:count=1,files=t.jpg"}},
      {"options", {"--connectable", "--mix", "20-80", "--blend-color", "none", "--config", "a.gccfg",
                   "--palette", "p.pal", "--no-connectable", "-o", "x.BMP"}},
  };
  for (const auto& [name, words] : lines) {
    std::vector<std::uint8_t> bytes;
    for (const std::string& word : words) {
      if (!bytes.empty()) bytes.push_back(0);
      bytes.insert(bytes.end(), word.begin(), word.end());
    }
    Write(folder, name, bytes);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seed_corpus CORPUS_FOLDER\n");
    return 2;
  }
  const fs::path corpus(argv[1]);
  WriteBmpFiles(corpus / "bmp_file");
  WriteClipboardDibs(corpus / "clipboard_dib");
  WritePngFiles(corpus / "png_plugin");
  WriteJpegFiles(corpus / "jpeg");
  WriteCommandLines(corpus / "command_line");
  return 0;
}
