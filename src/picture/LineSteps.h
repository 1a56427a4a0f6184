#pragma once

#include <cstdint>

#include "picture/Rasterisers.h"

namespace tessmark {

// How far a sloped line moves across for each step along: `across` over the `along` steps
// (either sign), in doubles as lines have always been drawn.
inline double LineSlope(std::int64_t across, std::int64_t along) {
  return (static_cast<double>(across) / static_cast<double>(along)) * static_cast<double>(along > 0 ? 1 : -1);
}

// Where step k of a line starting across at `start` lands.
inline std::int32_t LineCross(std::int32_t start, std::int64_t k, double slope) {
  return TruncateToInt32(start + static_cast<double>(k) * slope);
}

}  // namespace tessmark
