#include "picture/Rasterisers.h"

#include "picture/SpanPainter.h"

namespace tessmark {

// One colour at one weight: the order in which the pixels are written cannot show, so rows are
// painted as spans.
void FillRectangle(const Canvas& canvas, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, Color c) {
  if (x1 <= x0 || y1 <= y0) return;
  SpanPainter(canvas, c).PaintSameRows(y0, y1, x0, x1 - x0);
}

}  // namespace tessmark
