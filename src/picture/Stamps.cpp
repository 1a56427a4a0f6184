#include "picture/Rasterisers.h"

#include <algorithm>
#include <cmath>

namespace tessmark {
namespace {

// Mixes a source colour over the target pixel by its alpha, then the result once more by the
// canvas weight: Blend(old, Blend(old, source, alpha), weight).
void LayPixel(const Canvas& canvas, std::int64_t x, std::int64_t y, const std::uint8_t* source, std::uint8_t alpha) {
  const PixelGrid picture = canvas.Target;
  if (canvas.Connectable) {
    x = WrapCoordinate64(x, picture.Width);
    y = WrapCoordinate64(y, picture.Height);
  } else if (x < 0 || y < 0 || x >= picture.Width || y >= picture.Height) {
    return;
  }
  if (!canvas.WritesRow(y)) return;
  std::uint8_t* p = picture.Row(static_cast<std::int32_t>(y)) + x * 3;
  for (int i = 0; i < 3; ++i) p[i] = BlendChannel(p[i], BlendChannel(p[i], source[i], alpha), canvas.BlendWeight);
}

// Whether anything of the shape row y may be written: a band skips the rows of others whole.
bool WritesShapeRow(const Canvas& canvas, std::int64_t y) {
  const std::int32_t height = canvas.Target.Height;
  if (canvas.Connectable) return canvas.WritesRow(WrapCoordinate64(y, height));
  return y >= 0 && y < height && canvas.WritesRow(y);
}

bool IsKeyColor(const std::uint8_t* s, ColorRef key) {
  return key != NoColorRef && RefFromColor({s[0], s[1], s[2]}) == (key & 0x00FFFFFF);
}

}  // namespace

void StampPicture(const Canvas& canvas, std::int32_t x0, std::int32_t y0, const LoadedPicture& source, ColorRef key) {
  for (std::int32_t r = 0; r < source.Height; ++r) {
    if (!WritesShapeRow(canvas, std::int64_t{y0} + r)) continue;
    for (std::int32_t c = 0; c < source.Width; ++c) {
      const std::uint8_t* s = source.At(c, r);
      if (IsKeyColor(s, key)) continue;
      LayPixel(canvas, std::int64_t{x0} + c, std::int64_t{y0} + r, s, s[3]);
    }
  }
}

void StampDiscSample(const Canvas& canvas, std::int32_t destX, std::int32_t destY, const LoadedPicture& source,
                     std::int32_t srcX, std::int32_t srcY, std::int32_t radius, std::int32_t mixPercent) {
  if (srcX < 0 || srcY < 0) return;
  for (std::int64_t i = -std::int64_t{radius}; i < radius; ++i) {
    const std::int64_t row = srcY + i;
    if (row < 0 || row >= source.Height || !WritesShapeRow(canvas, destY + i)) continue;
    for (std::int64_t j = -std::int64_t{radius}; j < radius; ++j) {
      const double d = std::sqrt(static_cast<double>(i * i + j * j));
      const std::int64_t column = srcX + j;
      if (!(d < radius) || column < 0 || column >= source.Width) continue;
      const std::uint8_t* s = source.At(static_cast<std::int32_t>(column), static_cast<std::int32_t>(row));
      const double w = (1.0 - d / radius) * (mixPercent / 100.0);
      // Mix percentages outside 0 ... 100 would leave the byte range; the alpha is held inside it.
      const double alpha = std::clamp(std::trunc(s[3] * w), 0.0, 255.0);
      LayPixel(canvas, destX + j, destY + i, s, static_cast<std::uint8_t>(alpha));
    }
  }
}

}  // namespace tessmark
