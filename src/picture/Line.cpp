#include "picture/Rasterisers.h"

#include <cmath>
#include <limits>

namespace tessmark {

std::int32_t TruncateToInt32(double v) {
  constexpr double low = std::numeric_limits<std::int32_t>::min();
  constexpr double high = std::numeric_limits<std::int32_t>::max();
  if (!(v > low)) return std::numeric_limits<std::int32_t>::min();  // NaN lands here too
  if (v >= high) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(v);
}

void DrawLine(const Canvas& canvas, Color c, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
  const std::int64_t dx = std::int64_t{x1} - x0;
  const std::int64_t dy = std::int64_t{y1} - y0;
  if (dx == 0 && dy == 0) return;
  if (dx == 0) {
    if (dy > 0) {
      for (std::int64_t y = y0; y < y1; ++y) WritePixel(canvas, x0, y, c);
    } else {
      for (std::int64_t y = y0; y >= y1; --y) WritePixel(canvas, x0, y, c);
    }
    return;
  }
  if (dy == 0) {
    if (dx > 0) {
      for (std::int64_t x = x0; x < x1; ++x) WritePixel(canvas, x, y0, c);
    } else {
      for (std::int64_t x = x0; x >= x1; --x) WritePixel(canvas, x, y0, c);
    }
    return;
  }
  const std::int64_t sx = dx > 0 ? 1 : -1;
  const double a = (static_cast<double>(dy) / static_cast<double>(dx)) * static_cast<double>(sx);
  for (std::int64_t k = 0; k < std::llabs(dx); ++k) {
    WritePixel(canvas, x0 + k * sx, TruncateToInt32(y0 + static_cast<double>(k) * a), c);
  }
  const std::int64_t sy = dy > 0 ? 1 : -1;
  const double b = (static_cast<double>(dx) / static_cast<double>(dy)) * static_cast<double>(sy);
  for (std::int64_t k = 0; k < std::llabs(dy); ++k) {
    WritePixel(canvas, TruncateToInt32(x0 + static_cast<double>(k) * b), y0 + k * sy, c);
  }
}

}  // namespace tessmark
