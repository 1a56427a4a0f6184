#include "paint/Fill.h"

#include "paint/RowBands.h"
#include "picture/SpanPainter.h"

namespace tessmark {

void FillPicture(Picture& picture, Color color, bool full, bool connectable, std::uint8_t blendWeight,
                 WorkerPool* workers) {
  ForEachSharedBand(workers, picture, [&](std::int32_t first, std::int32_t end) {
    const SpanPainter painter(Canvas{picture, connectable, full ? std::uint8_t{255} : blendWeight, first, end}, color);
    for (std::int32_t y = first; y < end; ++y) painter.Paint(0, y, picture.Width);
  });
}

void FillMaps(std::span<MapLayer> maps, Color color, bool full, bool connectable, std::uint8_t blendWeight,
              WorkerPool* workers) {
  for (MapLayer& layer : maps) {
    FillPicture(layer.Target, NextFillColor(layer, color), full || layer.FullWeight, connectable, blendWeight, workers);
  }
}

}  // namespace tessmark
