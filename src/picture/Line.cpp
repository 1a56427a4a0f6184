#include "picture/Rasterisers.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "picture/LineSteps.h"

namespace tessmark {
namespace {

struct Steps {
  std::int64_t From, To;
};

// The steps k = 0 ... count - 1 whose coordinate start + k * direction (direction 1 or -1) may
// land on the picture: every one when coordinates wrap, else those within 0 ... size - 1, so that
// a line far longer than the picture costs no more than the picture.
Steps StepsOnPicture(const Canvas& canvas, std::int64_t start, std::int64_t direction, std::int64_t count,
                     std::int64_t size) {
  if (canvas.Connectable) return {0, count};
  const std::int64_t from = direction > 0 ? -start : start - size + 1;
  const std::int64_t to = direction > 0 ? size - start : start + 1;
  return {std::clamp<std::int64_t>(from, 0, count), std::clamp<std::int64_t>(to, 0, count)};
}

}  // namespace

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
  const PixelGrid picture = canvas.Target;
  if (dx == 0 || dy == 0) {
    // A straight run; drawn backwards it keeps its end point.
    const bool vertical = dx == 0;
    const std::int64_t d = vertical ? dy : dx;
    const std::int64_t s = d > 0 ? 1 : -1;
    const auto [from, to] = StepsOnPicture(canvas, vertical ? y0 : x0, s, d > 0 ? d : 1 - d,
                                           vertical ? picture.Height : picture.Width);
    for (std::int64_t k = from; k < to; ++k) {
      WritePixel(canvas, vertical ? x0 : x0 + k * s, vertical ? y0 + k * s : y0, c);
    }
    return;
  }
  const std::int64_t sx = dx > 0 ? 1 : -1;
  const double a = LineSlope(dy, dx);
  const auto [xFrom, xTo] = StepsOnPicture(canvas, x0, sx, std::llabs(dx), picture.Width);
  for (std::int64_t k = xFrom; k < xTo; ++k) {
    WritePixel(canvas, x0 + k * sx, LineCross(y0, k, a), c);
  }
  const std::int64_t sy = dy > 0 ? 1 : -1;
  const double b = LineSlope(dx, dy);
  const auto [yFrom, yTo] = StepsOnPicture(canvas, y0, sy, std::llabs(dy), picture.Height);
  for (std::int64_t k = yFrom; k < yTo; ++k) {
    WritePixel(canvas, LineCross(x0, k, b), y0 + k * sy, c);
  }
}

}  // namespace tessmark
