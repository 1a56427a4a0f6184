#pragma once

#include <optional>

#include "picture/Picture.h"

namespace tessmark {

struct NormalMapParams {
  double Strength = 2.0;  // how steep a full dark-to-light step between neighbours stands
  bool YUp = true;        // green grows towards the top of the picture (OpenGL); else towards the bottom
};

// The tangent-space normal map of a height field read from the picture's brightness: each pixel's
// slope from its left and right, upper and lower neighbours, wrapping around the edges when
// connectable (so the map tiles as the picture does), else repeating the edge pixels. Nothing when
// the memory for it is not there.
std::optional<Picture> NormalMap(const Picture& heights, bool connectable, const NormalMapParams& params);

}  // namespace tessmark
