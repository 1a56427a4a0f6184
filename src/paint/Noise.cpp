#include "paint/Noise.h"

#include <algorithm>

namespace tessmark {
namespace {

// An offset in -(amplitude - 1) ... amplitude - 1: the size from one draw, the sign from the low
// 13 bits of the next.
std::int32_t DrawOffset(RandomValue& random, std::int32_t amplitude) {
  const std::int32_t size = random.Next() % amplitude;
  return (random.Next() & 8191) < 4096 ? -size : size;
}

std::uint8_t Shift(std::uint8_t channel, std::int32_t offset) {
  return static_cast<std::uint8_t>(std::clamp(channel + offset, 0, 255));
}

}  // namespace

std::int32_t NoiseAmplitude(std::uint8_t percent) {
  const double amplitude = percent / 100.0 * 255.0;
  return amplitude > 2.0 ? static_cast<std::int32_t>(amplitude) : 0;
}

bool NoiseFilter(Picture& picture, const NoiseParams& params, RandomValue& random, std::uint32_t clockSeed) {
  const std::int32_t amplitude = NoiseAmplitude(params.Percent);
  if (amplitude == 0) return false;
  random.Seed(params.Germe != 0 ? static_cast<std::uint32_t>(params.Germe) : clockSeed);
  for (std::int32_t y = 0; y < picture.Height; ++y) {
    std::uint8_t* p = picture.Row(y);
    for (std::int32_t x = 0; x < picture.Width; ++x, p += 3) {
      if (params.Monochromatique != 0) {
        const std::int32_t offset = DrawOffset(random, amplitude);
        for (int i = 0; i < 3; ++i) p[i] = Shift(p[i], offset);
      } else {
        for (int i = 0; i < 3; ++i) p[i] = Shift(p[i], DrawOffset(random, amplitude));
      }
    }
  }
  return true;
}

}  // namespace tessmark
