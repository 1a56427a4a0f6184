#include "imageio/PictureRows.h"

#include <cstring>

#include "picture/Picture.h"

namespace tessmark {
namespace {

constexpr std::uint32_t White = 0xFFFFFF;

// The pixel as a little-endian word red, green, blue, alpha; keyed white gets alpha 0.
inline std::uint32_t KeyedWord(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  const std::uint32_t rgb = red | green << 8 | blue << 16;
  return rgb | (rgb == White ? 0u : 0xFF000000u);
}

inline void StoreWord(std::uint8_t* out, std::uint32_t word) {
  out[0] = static_cast<std::uint8_t>(word);
  out[1] = static_cast<std::uint8_t>(word >> 8);
  out[2] = static_cast<std::uint8_t>(word >> 16);
  out[3] = static_cast<std::uint8_t>(word >> 24);
}

}  // namespace

void RowToRgba(const std::uint8_t* in, RowLayout layout, std::int32_t width, std::uint8_t* rgba) {
  switch (layout) {
    case RowLayout::BgrKeyed:
      for (std::int32_t x = 0; x < width; ++x, in += 3, rgba += 4) StoreWord(rgba, KeyedWord(in[2], in[1], in[0]));
      return;
    case RowLayout::RgbKeyed:
      for (std::int32_t x = 0; x < width; ++x, in += 3, rgba += 4) StoreWord(rgba, KeyedWord(in[0], in[1], in[2]));
      return;
    case RowLayout::Rgb:
      for (std::int32_t x = 0; x < width; ++x, in += 3, rgba += 4) {
        std::memcpy(rgba, in, 3);
        rgba[3] = 255;
      }
      return;
    case RowLayout::Rgba:
      std::memcpy(rgba, in, static_cast<std::size_t>(width) * 4);
      return;
  }
}

void RowOverWhite(const std::uint8_t* in, RowLayout layout, std::int32_t width, std::uint8_t* rgb) {
  switch (layout) {
    case RowLayout::BgrKeyed:  // the keyed white is the white it lies on
      for (std::int32_t x = 0; x < width; ++x, in += 3, rgb += 3) {
        rgb[0] = in[2];
        rgb[1] = in[1];
        rgb[2] = in[0];
      }
      return;
    case RowLayout::RgbKeyed:
    case RowLayout::Rgb:
      std::memcpy(rgb, in, static_cast<std::size_t>(width) * 3);
      return;
    case RowLayout::Rgba:
      for (std::int32_t x = 0; x < width; ++x, in += 4, rgb += 3) {
        const std::uint8_t alpha = in[3];
        if (alpha == 255) {
          std::memcpy(rgb, in, 3);
        } else {
          for (int c = 0; c < 3; ++c) rgb[c] = BlendChannel(255, in[c], alpha);
        }
      }
      return;
  }
}

}  // namespace tessmark
