#include "picture/Rasterisers.h"

#include <cmath>

#include "picture/SpanPainter.h"

namespace tessmark {
namespace {

// The largest m with m * m <= v, for v >= 0.
std::int64_t IntegerSquareRoot(std::int64_t v) {
  auto m = static_cast<std::int64_t>(std::sqrt(static_cast<double>(v)));
  while (m * m > v) --m;
  while ((m + 1) * (m + 1) <= v) ++m;
  return m;
}

}  // namespace

void DrawDisc(const Canvas& canvas, std::int64_t cx, std::int64_t cy, std::int64_t radius, Color c) {
  if (radius <= 0) return;
  const std::int64_t r2 = radius * radius;
  SpanPainter painter(canvas, c);
  // Rows are announced at the disc's full width, a little more than most of them need.
  painter.PaintRows(cy - radius + 1, cy + radius, cx - radius, 2 * radius, [&](std::int64_t y) {
    const std::int64_t dy = y - cy;
    // dx^2 < r^2 - dy^2 holds for |dx| <= m.
    const std::int64_t m = IntegerSquareRoot(r2 - dy * dy - 1);
    painter.Paint(cx - m, y, 2 * m + 1);
  });
}

}  // namespace tessmark
