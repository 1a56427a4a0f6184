#include "paint/NormalMap.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tessmark {
namespace {

// Brightness differences run from -255 to 255 in each direction.
constexpr int Steps = 511;

std::uint8_t Channel(double v) { return static_cast<std::uint8_t>(std::lround((v * 0.5 + 0.5) * 255.0)); }

// The encoded normal for every pair of differences, so that a pixel costs a lookup and the result
// does not depend on how a machine rounds a square root per pixel.
std::vector<Color> NormalTable(const NormalMapParams& params) {
  std::vector<Color> table(static_cast<std::size_t>(Steps) * Steps);
  const double scale = params.Strength / (2.0 * 255.0);
  for (int dy = -255; dy <= 255; ++dy) {
    for (int dx = -255; dx <= 255; ++dx) {
      const double nx = -dx * scale;
      const double nyDown = -dy * scale;
      const double length = std::sqrt(nx * nx + nyDown * nyDown + 1.0);
      const double ny = params.YUp ? -nyDown : nyDown;
      table[static_cast<std::size_t>((dy + 255) * Steps + dx + 255)] = {Channel(nx / length), Channel(ny / length),
                                                                        Channel(1.0 / length)};
    }
  }
  return table;
}

void BrightnessRow(const Picture& picture, std::int32_t y, std::vector<std::int32_t>& row) {
  const std::uint8_t* p = picture.Row(y);
  for (std::int32_t x = 0; x < picture.Width; ++x, p += 3) row[static_cast<std::size_t>(x)] = (77 * p[0] + 150 * p[1] + 29 * p[2]) >> 8;
}

std::int32_t Neighbour(std::int32_t v, std::int32_t step, std::int32_t size, bool connectable) {
  const std::int32_t n = v + step;
  if (n >= 0 && n < size) return n;
  return connectable ? WrapCoordinate(n, size) : v;
}

}  // namespace

std::optional<Picture> NormalMap(const Picture& heights, bool connectable, const NormalMapParams& params) {
  std::optional<Picture> normals = AllocatePicture(heights.Width, heights.Height);
  if (!normals) return std::nullopt;
  const std::vector<Color> table = NormalTable(params);
  const auto width = static_cast<std::size_t>(heights.Width);
  std::array<std::vector<std::int32_t>, 3> rows;  // above, this, below
  for (std::vector<std::int32_t>& row : rows) row.resize(width);
  for (std::int32_t y = 0; y < heights.Height; ++y) {
    BrightnessRow(heights, Neighbour(y, -1, heights.Height, connectable), rows[0]);
    BrightnessRow(heights, y, rows[1]);
    BrightnessRow(heights, Neighbour(y, 1, heights.Height, connectable), rows[2]);
    std::uint8_t* out = normals->Row(y);
    for (std::int32_t x = 0; x < heights.Width; ++x, out += 3) {
      const auto left = static_cast<std::size_t>(Neighbour(x, -1, heights.Width, connectable));
      const auto right = static_cast<std::size_t>(Neighbour(x, 1, heights.Width, connectable));
      const std::int32_t dx = rows[1][right] - rows[1][left];
      const std::int32_t dy = rows[2][static_cast<std::size_t>(x)] - rows[0][static_cast<std::size_t>(x)];
      const Color c = table[static_cast<std::size_t>((dy + 255) * Steps + dx + 255)];
      out[0] = c.Red;
      out[1] = c.Green;
      out[2] = c.Blue;
    }
  }
  return normals;
}

}  // namespace tessmark
