#pragma once

#include <png.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

namespace tessmark::test {

// Writes PNG files of every colour type, depth and interlacing with libpng directly, independently
// of the decoder under test.
struct PngLayout {
  int Width = 1;
  int Height = 1;
  int ColorType = PNG_COLOR_TYPE_RGB;
  int BitDepth = 8;
  bool Interlaced = false;
  std::vector<png_color> Palette{};
  std::vector<png_byte> PaletteAlpha{};           // tRNS of a palette file
  std::optional<png_color_16> Transparent{};      // tRNS of a grey or RGB file
};

inline int PngChannels(int colorType) {
  switch (colorType) {
    case PNG_COLOR_TYPE_GRAY: return 1;
    case PNG_COLOR_TYPE_PALETTE: return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    default: return 4;
  }
}

// samples: channel values (or palette indices) of each pixel, rows from the top.
inline std::vector<std::uint8_t> EncodeTestPng(const PngLayout& layout, const std::vector<std::uint16_t>& samples) {
  const int channels = PngChannels(layout.ColorType);
  const std::size_t stride = (std::size_t(layout.Width) * channels * layout.BitDepth + 7) / 8;
  std::vector<std::vector<png_byte>> rows(layout.Height, std::vector<png_byte>(stride, 0));
  for (int y = 0; y < layout.Height; ++y)
    for (int i = 0; i < layout.Width * channels; ++i) {
      const std::uint16_t v = samples.at(std::size_t(y) * layout.Width * channels + i);
      png_byte* row = rows[y].data();
      if (layout.BitDepth == 16) {
        row[i * 2] = static_cast<png_byte>(v >> 8);
        row[i * 2 + 1] = static_cast<png_byte>(v);
      } else if (layout.BitDepth == 8) {
        row[i] = static_cast<png_byte>(v);
      } else {
        const int perByte = 8 / layout.BitDepth;
        row[i / perByte] |= static_cast<png_byte>(v << (8 - layout.BitDepth * (i % perByte + 1)));
      }
    }
  std::vector<std::uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) throw std::runtime_error("test PNG not written");
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, png_size_t n) {
        auto* o = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
        o->insert(o->end(), data, data + n);
      },
      nullptr);
  png_set_IHDR(png, info, layout.Width, layout.Height, layout.BitDepth, layout.ColorType,
               layout.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (!layout.Palette.empty()) png_set_PLTE(png, info, layout.Palette.data(), static_cast<int>(layout.Palette.size()));
  if (!layout.PaletteAlpha.empty())
    png_set_tRNS(png, info, layout.PaletteAlpha.data(), static_cast<int>(layout.PaletteAlpha.size()), nullptr);
  if (layout.Transparent) png_set_tRNS(png, info, nullptr, 0, &*layout.Transparent);
  png_write_info(png, info);
  std::vector<png_bytep> pointers;
  for (auto& r : rows) pointers.push_back(r.data());
  png_write_image(png, pointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

}  // namespace tessmark::test
