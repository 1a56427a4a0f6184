#include "paint/Noise.h"

#include <algorithm>

#include "paint/RowBands.h"

namespace tessmark {
namespace {

// draw mod divisor for draws 0 ... 32767 and divisors up to 2^17, by a multiplication with the
// rounded-up reciprocal: its error stays below 2^-17, too little to reach the next whole quotient.
class DrawRemainderBy {
 public:
  explicit DrawRemainderBy(std::int32_t divisor)
      : divisor_(divisor), reciprocal_(((std::uint64_t{1} << 32) + static_cast<std::uint64_t>(divisor) - 1) / static_cast<std::uint64_t>(divisor)) {}

  std::int32_t Of(std::int32_t draw) const {
    const auto quotient = static_cast<std::int32_t>((static_cast<std::uint64_t>(draw) * reciprocal_) >> 32);
    return draw - quotient * divisor_;
  }

 private:
  std::int32_t divisor_;
  std::uint64_t reciprocal_;
};

// An offset in -(amplitude - 1) ... amplitude - 1: the size from one draw, the sign from the low
// 13 bits of the next.
std::int32_t Offset(const DrawRemainderBy& amplitude, std::int32_t sizeDraw, std::int32_t signDraw) {
  const std::int32_t size = amplitude.Of(sizeDraw);
  return (signDraw & 8191) < 4096 ? -size : size;
}

std::uint8_t Shift(std::uint8_t channel, std::int32_t offset) {
  return static_cast<std::uint8_t>(std::clamp(channel + offset, 0, 255));
}

// The rows first ... end - 1, random at the draw that comes to the first pixel of the first.
void AddNoise(Picture& picture, std::int32_t first, std::int32_t end, const DrawRemainderBy& remainder,
              bool monochrome, RandomValue random) {
  for (std::int32_t y = first; y < end; ++y) {
    std::uint8_t* p = picture.Row(y);
    for (std::int32_t x = 0; x < picture.Width; ++x, p += 3) {
      if (monochrome) {
        const auto d = random.NextDraws<2>();
        const std::int32_t offset = Offset(remainder, d[0], d[1]);
        for (int i = 0; i < 3; ++i) p[i] = Shift(p[i], offset);
      } else {
        const auto d = random.NextDraws<6>();
        for (int i = 0; i < 3; ++i) p[i] = Shift(p[i], Offset(remainder, d[2 * i], d[2 * i + 1]));
      }
    }
  }
}

}  // namespace

std::int32_t NoiseAmplitude(std::uint8_t percent) {
  const double amplitude = percent / 100.0 * 255.0;
  return amplitude > 2.0 ? static_cast<std::int32_t>(amplitude) : 0;
}

bool NoiseFilter(Picture& picture, const NoiseParams& params, RandomValue& random, std::uint32_t clockSeed,
                 WorkerPool* workers) {
  const std::int32_t amplitude = NoiseAmplitude(params.Percent);
  if (amplitude == 0) return false;
  const DrawRemainderBy remainder(amplitude);
  random.Seed(params.Germe != 0 ? static_cast<std::uint32_t>(params.Germe) : clockSeed);
  const bool monochrome = params.Monochromatique != 0;
  const std::uint64_t rowDraws = std::uint64_t{static_cast<std::uint32_t>(picture.Width)} * (monochrome ? 2 : 6);
  ForEachSharedBand(workers, picture, [&](std::int32_t first, std::int32_t end) {
    RandomValue band = random;
    band.Skip(rowDraws * static_cast<std::uint32_t>(first));
    AddNoise(picture, first, end, remainder, monochrome, band);
  });
  random.Skip(rowDraws * static_cast<std::uint32_t>(picture.Height));
  return true;
}

void NoiseMaps(std::span<MapLayer> maps, const NoiseParams& params, std::uint32_t clockSeed, WorkerPool* workers) {
  for (MapLayer& layer : maps) {
    RandomValue random;
    if (layer.Noise) NoiseFilter(layer.Target, params, random, clockSeed, workers);
  }
}

}  // namespace tessmark
