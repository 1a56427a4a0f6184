#include "imageio/PictureRows.h"

#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

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

#if defined(__x86_64__)
// Four 3-byte pixels at a time through one byte shuffle (SSSE3, checked at run time): the common
// rows (24-bit BMP, RGB PNG) are then converted at about the speed of a copy. Returns how many
// pixels it did; the caller does the rest. Neither side is touched past the row's last pixel.
__attribute__((target("ssse3"))) std::int32_t ExpandFast(const std::uint8_t* in, bool reversed, bool keyed,
                                                         std::int32_t width, std::uint8_t* rgba) {
  const __m128i order = reversed ? _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1)
                                 : _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
  const __m128i white = _mm_set1_epi32(static_cast<int>(White));
  const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  std::int32_t x = 0;
  for (; x + 6 <= width; x += 4) {  // the 16-byte load reads 4 bytes past the 4 pixels
    const __m128i rgb = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 3 * x)), order);
    const __m128i alpha = keyed ? _mm_andnot_si128(_mm_cmpeq_epi32(rgb, white), opaque) : opaque;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(rgba + 4 * x), _mm_or_si128(rgb, alpha));
  }
  return x;
}

// Five pixels at a time from blue, green, red to red, green, blue, the same way.
__attribute__((target("ssse3"))) std::int32_t SwapFast(const std::uint8_t* in, std::int32_t width, std::uint8_t* rgb) {
  const __m128i order = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
  std::int32_t x = 0;
  for (; x + 6 <= width; x += 5)  // 16 bytes in and out for 15: the 16th is rewritten next time
    _mm_storeu_si128(reinterpret_cast<__m128i*>(rgb + 3 * x),
                     _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 3 * x)), order));
  return x;
}

bool HasSsse3() {
  static const bool ssse3 = __builtin_cpu_supports("ssse3");
  return ssse3;
}

std::int32_t Expand(const std::uint8_t* in, bool reversed, bool keyed, std::int32_t width, std::uint8_t* rgba) {
  return HasSsse3() ? ExpandFast(in, reversed, keyed, width, rgba) : 0;
}

std::int32_t Swap(const std::uint8_t* in, std::int32_t width, std::uint8_t* rgb) {
  return HasSsse3() ? SwapFast(in, width, rgb) : 0;
}
#else
std::int32_t Expand(const std::uint8_t*, bool, bool, std::int32_t, std::uint8_t*) { return 0; }
std::int32_t Swap(const std::uint8_t*, std::int32_t, std::uint8_t*) { return 0; }
#endif

}  // namespace

void RowToRgba(const std::uint8_t* in, RowLayout layout, std::int32_t width, std::uint8_t* rgba) {
  if (layout != RowLayout::Rgba) {
    const std::int32_t done =
        Expand(in, layout == RowLayout::BgrKeyed, layout != RowLayout::Rgb, width, rgba);
    in += 3 * done;
    rgba += 4 * done;
    width -= done;
  }
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
    case RowLayout::BgrKeyed: {  // the keyed white is the white it lies on
      const std::int32_t done = Swap(in, width, rgb);
      in += 3 * done;
      rgb += 3 * done;
      for (std::int32_t x = done; x < width; ++x, in += 3, rgb += 3) {
        rgb[0] = in[2];
        rgb[1] = in[1];
        rgb[2] = in[0];
      }
      return;
    }
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

bool PutRows(std::int32_t width, std::int32_t height, const std::uint8_t* first, std::ptrdiff_t step,
             RowLayout layout, PictureRows& rows) {
  if (!rows.Start(width, height)) return false;
  for (std::int32_t y = 0; y < height; ++y) rows.Put(y, first + step * y, layout);
  return true;
}

}  // namespace tessmark
