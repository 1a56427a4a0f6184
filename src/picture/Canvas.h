#pragma once

#include <cstdint>

#include "picture/Picture.h"

namespace tessmark {

// A picture as one shape paints it: whether coordinates wrap around the edges, and the weight with
// which the shape's colour is mixed over what is there (255 replaces, 0 keeps the old colour).
struct Canvas {
  Picture& Target;
  bool Connectable = true;
  std::uint8_t BlendWeight = 255;
};

// Non-negative remainder for any 64-bit coordinate (shapes far larger than the picture included).
constexpr std::int32_t WrapCoordinate64(std::int64_t v, std::int32_t size) {
  if (v >= 0 && v < size) return static_cast<std::int32_t>(v);
  const std::int64_t r = v % size;
  return static_cast<std::int32_t>(r < 0 ? r + size : r);
}

// Wraps (when connectable), blends with the canvas weight and stores one pixel.
// False when the pixel falls outside the picture and nothing was stored.
inline bool WritePixel(const Canvas& canvas, std::int64_t x, std::int64_t y, Color c) {
  Picture& picture = canvas.Target;
  if (canvas.Connectable) {
    x = WrapCoordinate64(x, picture.Width);
    y = WrapCoordinate64(y, picture.Height);
  } else if (x < 0 || y < 0 || x >= picture.Width || y >= picture.Height) {
    return false;
  }
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
  return true;
}

// Writes the pixels (x, y) ... (x + length - 1, y) exactly as that many WritePixel calls would:
// a run longer than the picture wraps onto itself and blends those pixels again.
void WriteSpan(const Canvas& canvas, std::int64_t x, std::int64_t y, std::int64_t length, Color c);

// Paints n consecutive pixels of one row: stores the colour, or blends it with the weight.
void PaintRun(std::uint8_t* pixels, std::int64_t n, Color c, std::uint8_t weight);

}  // namespace tessmark
