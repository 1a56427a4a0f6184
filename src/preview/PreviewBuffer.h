#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "picture/Picture.h"

namespace tessmark {

// The reduction steps of the preview: every ZoomStep-th pixel of every ZoomStep-th row.
inline constexpr std::int32_t MinPreviewStep = 1;
inline constexpr std::int32_t MaxPreviewStep = 16;

// One reduced copy of the picture. The preview shows it 3 x 3 times, so that the joins between
// copies, where a tileable picture must continue seamlessly, can be judged.
struct PreviewTile {
  std::int32_t Width = 0;   // picture width / step
  std::int32_t Height = 0;  // picture height / step
  // Width x Height pixels, rows from the top, each 0xFFRRGGBB (a 32-bit display pixel).
  std::unique_ptr<std::uint32_t[]> Pixels;

  std::size_t PixelCount() const { return static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height); }
};

// The tile at a reduction step (clamped to MinPreviewStep ... MaxPreviewStep). With frame set, the
// first column and the first row of the tile are inverted, the corner twice so it keeps its colour:
// the boundary of every copy shows. Nothing when the picture is smaller than one step either way or
// the memory is not there.
std::optional<PreviewTile> RenderPreviewTile(const Picture& picture, std::int32_t step, bool frame);

// Where the nine copies go in the shown image, row by row: (column x tile width, row x tile height).
std::array<Point, 9> PreviewTilePlacements(std::int32_t tileWidth, std::int32_t tileHeight);

// The size of the shown image: three tiles across and three down.
constexpr Point PreviewImageSize(std::int32_t tileWidth, std::int32_t tileHeight) {
  return {3 * tileWidth, 3 * tileHeight};
}

}  // namespace tessmark
