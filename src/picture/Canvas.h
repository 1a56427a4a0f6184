#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "picture/Picture.h"
#include "picture/RunPattern.h"

namespace tessmark {

// A picture as one shape paints it: whether coordinates wrap around the edges, and the weight with
// which the shape's colour is mixed over what is there (255 replaces, 0 keeps the old colour).
// Only picture rows FirstRow ... EndRow - 1 (after wrapping) are written, so that a batch of shapes
// can be painted one band of rows at a time.
//
// A shape in one colour may paint further pictures of the same size in the same pass, each in its
// own colour and weight (Also): its outline is then worked out once for all of them.
struct AlsoPainted {
  PixelGrid Target;
  RunPattern Run{Color{}, 0};
};

struct Canvas {
  PixelGrid Target;
  bool Connectable = true;
  std::uint8_t BlendWeight = 255;
  std::int32_t FirstRow = 0;
  std::int32_t EndRow = INT32_MAX;
  std::span<const AlsoPainted> Also = {};

  bool WritesRow(std::int64_t row) const { return row >= FirstRow && row < EndRow; }
  // Weight 0 everywhere keeps every pixel as it is.
  bool KeepsEveryPixel() const {
    return BlendWeight == 0 && std::ranges::all_of(Also, [](const AlsoPainted& a) { return a.Run.Weight() == 0; });
  }
  // Weight 255 everywhere: writing a pixel again changes nothing.
  bool StoresEveryPixel() const {
    return BlendWeight == 255 && std::ranges::all_of(Also, [](const AlsoPainted& a) { return a.Run.Weight() == 255; });
  }
};

// Non-negative remainder for any 64-bit coordinate (shapes far larger than the picture included).
// Shapes stay within about one picture size of the picture, so the common cases cost a compare and
// an add, not a division.
constexpr std::int32_t WrapCoordinate64(std::int64_t v, std::int32_t size) {
  if (v >= 0) {
    if (v < size) return static_cast<std::int32_t>(v);
    if (v - size < size) return static_cast<std::int32_t>(v - size);
  } else if (v >= -std::int64_t{size}) {
    return static_cast<std::int32_t>(v + size);
  }
  const std::int64_t r = v % size;
  return static_cast<std::int32_t>(r < 0 ? r + size : r);
}

// Wraps (when connectable), blends with the canvas weight and stores one pixel, on every picture
// the canvas paints.
// False when the pixel falls outside the picture and nothing was stored.
inline bool WritePixel(const Canvas& canvas, std::int64_t x, std::int64_t y, Color c) {
  const PixelGrid picture = canvas.Target;
  if (canvas.Connectable) {
    x = WrapCoordinate64(x, picture.Width);
    y = WrapCoordinate64(y, picture.Height);
  } else if (x < 0 || y < 0 || x >= picture.Width || y >= picture.Height) {
    return false;
  }
  if (!canvas.WritesRow(y)) return false;
  std::uint8_t* p = picture.Row(static_cast<std::int32_t>(y)) + x * 3;
  const std::uint8_t w = canvas.BlendWeight;
  if (w == 255) {
    p[0] = c.Red;
    p[1] = c.Green;
    p[2] = c.Blue;
  } else {
    p[0] = BlendChannel(p[0], c.Red, w);
    p[1] = BlendChannel(p[1], c.Green, w);
    p[2] = BlendChannel(p[2], c.Blue, w);
  }
  for (const AlsoPainted& also : canvas.Also) also.Run.Paint(also.Target.Row(static_cast<std::int32_t>(y)) + x * 3, 1);
  return true;
}

}  // namespace tessmark
