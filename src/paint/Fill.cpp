#include "paint/Fill.h"

#include "picture/SpanPainter.h"

namespace tessmark {

void FillPicture(Picture& picture, Color color, bool full, bool connectable, std::uint8_t blendWeight) {
  const SpanPainter painter(Canvas{picture, connectable, full ? std::uint8_t{255} : blendWeight}, color);
  for (std::int32_t y = 0; y < picture.Height; ++y) painter.Paint(0, y, picture.Width);
}

void FillMaps(std::span<MapLayer> maps, Color color, bool full, bool connectable, std::uint8_t blendWeight) {
  for (MapLayer& layer : maps) {
    FillPicture(layer.Target, NextFillColor(layer, color), full || layer.FullWeight, connectable, blendWeight);
  }
}

}  // namespace tessmark
