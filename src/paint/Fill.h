#pragma once

#include <cstdint>

#include <span>

#include "paint/MapLayer.h"
#include "picture/Picture.h"

namespace tessmark {

// Covers every pixel with the colour: exactly when full, otherwise mixed over each pixel with the
// blend weight (the weight the last shape left).
void FillPicture(Picture& picture, Color color, bool full, bool connectable, std::uint8_t blendWeight);

// The same fill on every map, in the map's own fill colour when it has one.
void FillMaps(std::span<MapLayer> maps, Color color, bool full, bool connectable, std::uint8_t blendWeight);

}  // namespace tessmark
