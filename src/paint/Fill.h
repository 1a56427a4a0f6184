#pragma once

#include <cstdint>

#include <span>

#include "paint/MapLayer.h"
#include "paint/WorkerPool.h"
#include "picture/Picture.h"

namespace tessmark {

// Covers every pixel with the colour: exactly when full, otherwise mixed over each pixel with the
// blend weight (the weight the last shape left). Bands of rows go to the workers, if any.
void FillPicture(Picture& picture, Color color, bool full, bool connectable, std::uint8_t blendWeight,
                 WorkerPool* workers = nullptr);

// The same fill on every map, in the map's own fill colour when it has one.
void FillMaps(std::span<MapLayer> maps, Color color, bool full, bool connectable, std::uint8_t blendWeight,
              WorkerPool* workers = nullptr);

}  // namespace tessmark
