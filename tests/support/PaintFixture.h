#pragma once

#include <cstdint>
#include <cstring>
#include <span>

#include "paint/PaintContext.h"
#include "picture/Rasterisers.h"
#include "support/PictureProbe.h"

namespace tessmark::test {

// Everything a generator run needs, owned by the test, with an Escape poll that counts its calls
// and answers true at call number StopAtPoll (never when 0).
struct PaintFixture {
  explicit PaintFixture(std::int32_t width = 64, std::int32_t height = 64) : Target(WhitePicture(width, height)) {}

  Picture Target;
  bool Connectable = true;
  std::uint8_t BlendWeight = 255;
  RandomValue Random;
  tessmark::Palette Palette;
  tessmark::MixRange MixRange;
  int Polls = 0;
  int StopAtPoll = 0;

  PaintContext Context(std::uint32_t seed) {
    return PaintContext{Target, Connectable, BlendWeight, Random, Palette, MixRange,
                        [this] { return ++Polls == StopAtPoll; }, [seed] { return seed; }};
  }
};

// The colour DrawPaintColor makes when it makes one at random.
inline Color DrawRandomColor(RandomValue& random) {
  const auto red = static_cast<std::uint8_t>(random.Next());
  const auto green = static_cast<std::uint8_t>(random.Next());
  const auto blue = static_cast<std::uint8_t>(random.Next());
  return {red, green, blue};
}

inline bool SamePixels(const Picture& a, const Picture& b) {
  return a.Width == b.Width && a.Height == b.Height && std::memcmp(a.Pixels(), b.Pixels(), a.ByteCount()) == 0;
}

// Whether the fixture's picture holds exactly the given polygon drawn at full weight onto white.
inline bool HoldsOnlyPolygon(const PaintFixture& f, std::span<const Point> vertices, Color color, bool fill) {
  Picture expected = WhitePicture(f.Target.Width, f.Target.Height);
  DrawPolygon(Canvas{expected, f.Connectable, 255}, vertices, color, fill);
  return SamePixels(expected, f.Target);
}

}  // namespace tessmark::test
