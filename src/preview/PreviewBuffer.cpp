#include "preview/PreviewBuffer.h"

#include <algorithm>
#include <new>

namespace tessmark {
namespace {

constexpr std::uint32_t DisplayPixel(const std::uint8_t* rgb) {
  return 0xFF000000u | (std::uint32_t{rgb[0]} << 16) | (std::uint32_t{rgb[1]} << 8) | rgb[2];
}

constexpr std::uint32_t InvertColour(std::uint32_t pixel) { return pixel ^ 0x00FFFFFFu; }

void SampleRows(const Picture& picture, std::int32_t step, PreviewTile& tile) {
  std::uint32_t* out = tile.Pixels.get();
  for (std::int32_t i = 0; i < tile.Height; ++i) {
    const std::uint8_t* row = picture.Row(step * i);
    for (std::int32_t j = 0; j < tile.Width; ++j) *out++ = DisplayPixel(row + static_cast<std::size_t>(step) * j * 3);
  }
}

// The first pixel of every row, then the whole first row: the corner is inverted twice.
void InvertFrame(PreviewTile& tile) {
  std::uint32_t* pixels = tile.Pixels.get();
  for (std::int32_t i = 0; i < tile.Height; ++i) {
    std::uint32_t& first = pixels[static_cast<std::size_t>(i) * tile.Width];
    first = InvertColour(first);
  }
  std::transform(pixels, pixels + tile.Width, pixels, InvertColour);
}

}  // namespace

std::optional<PreviewTile> RenderPreviewTile(const Picture& picture, std::int32_t step, bool frame) {
  step = std::clamp(step, MinPreviewStep, MaxPreviewStep);
  PreviewTile tile;
  tile.Width = picture.Width / step;
  tile.Height = picture.Height / step;
  if (tile.Width <= 0 || tile.Height <= 0) return std::nullopt;
  tile.Pixels.reset(new (std::nothrow) std::uint32_t[tile.PixelCount()]);
  if (!tile.Pixels) return std::nullopt;
  SampleRows(picture, step, tile);
  if (frame) InvertFrame(tile);
  return tile;
}

std::array<Point, 9> PreviewTilePlacements(std::int32_t tileWidth, std::int32_t tileHeight) {
  std::array<Point, 9> places;
  for (std::int32_t r = 0; r < 3; ++r)
    for (std::int32_t c = 0; c < 3; ++c) places[static_cast<std::size_t>(r * 3 + c)] = {c * tileWidth, r * tileHeight};
  return places;
}

}  // namespace tessmark
