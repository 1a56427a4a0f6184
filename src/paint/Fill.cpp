#include "paint/Fill.h"

#include "picture/SpanPainter.h"

namespace tessmark {

void FillPicture(Picture& picture, Color color, bool full, bool connectable, std::uint8_t blendWeight) {
  const SpanPainter painter(Canvas{picture, connectable, full ? std::uint8_t{255} : blendWeight}, color);
  for (std::int32_t y = 0; y < picture.Height; ++y) painter.Paint(0, y, picture.Width);
}

}  // namespace tessmark
