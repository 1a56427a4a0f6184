#include "paint/Fill.h"

#include "picture/Canvas.h"

namespace tessmark {

void FillPicture(Picture& picture, Color color, bool full, bool connectable, std::uint8_t blendWeight) {
  const Canvas canvas{picture, connectable, full ? std::uint8_t{255} : blendWeight};
  for (std::int32_t y = 0; y < picture.Height; ++y) WriteSpan(canvas, 0, y, picture.Width, color);
}

}  // namespace tessmark
