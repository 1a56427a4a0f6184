#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <set>
#include <utility>

#include "picture/Picture.h"

namespace tessmark::test {

// A white picture, or fails the test.
inline Picture WhitePicture(std::int32_t width, std::int32_t height) {
  std::optional<Picture> picture = CreatePicture(width, height);
  if (!picture) throw std::runtime_error("picture allocation failed");
  return std::move(*picture);
}

// A picture whose pixels all differ, so that a blend shows per pixel.
inline Picture GradientPicture(std::int32_t width, std::int32_t height) {
  Picture picture = WhitePicture(width, height);
  for (std::size_t i = 0; i < picture.ByteCount(); ++i) picture.Pixels()[i] = static_cast<std::uint8_t>(i * 13);
  return picture;
}

inline Color PixelAt(const Picture& picture, std::int32_t x, std::int32_t y) {
  Color c;
  ReadPixel(picture, x, y, c);
  return c;
}

// The coordinates of every pixel that is no longer white.
inline std::set<std::pair<int, int>> PaintedPixels(const Picture& picture) {
  std::set<std::pair<int, int>> painted;
  for (int y = 0; y < picture.Height; ++y)
    for (int x = 0; x < picture.Width; ++x)
      if (PixelAt(picture, x, y) != Color{255, 255, 255}) painted.insert({x, y});
  return painted;
}

inline std::set<std::pair<int, int>> Block(int x0, int y0, int x1, int y1) {
  std::set<std::pair<int, int>> block;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) block.insert({x, y});
  return block;
}

}  // namespace tessmark::test
