#pragma once

#include <cstdint>

#include <span>

#include "paint/MapLayer.h"
#include "paint/RandomValue.h"
#include "paint/WorkerPool.h"
#include "picture/Picture.h"
#include "settings/ParameterRecords.h"

namespace tessmark {

// The largest offset the noise filter adds for a percentage, plus one: Percent / 100 * 255
// truncated, or 0 when the filter does nothing (an amplitude of 2 or less).
std::int32_t NoiseAmplitude(std::uint8_t percent);

// Adds a random offset to every channel of every pixel (one offset for all three channels when
// Monochromatique is set), clamped to 0 ... 255, row by row from the top. The random source is
// seeded with Germe, or with clockSeed when Germe is 0, so a fixed Germe gives a fixed result.
// False, with the picture unchanged, when the percentage is too small to change anything. Bands of
// rows go to the workers, if any, each starting from the draws the rows above it take.
bool NoiseFilter(Picture& picture, const NoiseParams& params, RandomValue& random, std::uint32_t clockSeed,
                 WorkerPool* workers = nullptr);

// The same offsets on every map that takes noise.
void NoiseMaps(std::span<MapLayer> maps, const NoiseParams& params, std::uint32_t clockSeed,
               WorkerPool* workers = nullptr);

}  // namespace tessmark
