#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "paint/Fill.h"
#include "paint/Generators.h"
#include "paint/Noise.h"
#include "support/PaintFixture.h"

namespace tessmark {
namespace {

// Pictures painted from fixed seeds, fingerprinted. The fingerprints were taken from the plain
// per-pixel painting; any change to how pixels are written must leave every byte as it was.

std::uint64_t Fingerprint(const Picture& picture) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (std::size_t i = 0; i < picture.ByteCount(); ++i) hash = (hash ^ picture.Pixels()[i]) * 1099511628211ull;
  return hash;
}

struct PaintRun {
  std::string Name;
  std::function<void(PaintContext&)> Paint;
};

std::vector<PaintRun> Runs() {
  return {
      {"circles", [](PaintContext& c) { PaintCircles(c, CircleParams{8, 32, 150}); }},
      {"big circles", [](PaintContext& c) { PaintCircles(c, CircleParams{100, 300, 6}); }},
      {"rectangles", [](PaintContext& c) { PaintRectangles(c, RectangleParams{4, 4, 32, 32, 150}); }},
      {"long rectangles", [](PaintContext& c) { PaintRectangles(c, RectangleParams{200, 2, 600, 40, 8}); }},
      {"polygons", [](PaintContext& c) { PaintPolygons(c, PolygonParams{16, 64, 8, 32, 60, 1, {}}); }},
      {"polygon outlines", [](PaintContext& c) { PaintPolygons(c, PolygonParams{16, 64, 8, 32, 60, 0, {}}); }},
      {"vectors", [](PaintContext& c) { PaintVectors(c, VectorParams{8, 256, 8, 48, 60, 1, {}}); }},
      {"vector outlines", [](PaintContext& c) { PaintVectors(c, VectorParams{8, 256, 8, 48, 60, 0, {}}); }},
  };
}

struct Setting {
  bool Connectable;
  MixRange Mix;
};

const Setting Settings[] = {{true, {100, 100}}, {true, {20, 80}}, {false, {100, 100}}, {false, {30, 70}}};

const std::uint64_t Expected[][4] = {
    {0xad0ad08fb7e743a2ull, 0xc7ae7f5e29398177ull, 0xa7ed14938622a68dull, 0x44b822b9801a483cull},
    {0xde224d2f0cab7b25ull, 0x7570f8631584c325ull, 0xf9998e2b56dd2eb6ull, 0xca584d7e7a40ba7aull},
    {0x77ce09ba0f36e498ull, 0xce08c0b939548b87ull, 0xaa9f3a22bfbc17b8ull, 0xccb42c1b6dc95a8full},
    {0x622659a0eb0eb125ull, 0xe907bb46a24c9774ull, 0xa9e1057115c26785ull, 0xe881a95a29a7029cull},
    {0xbf68aa4e4bb68515ull, 0xc9fb59480094993eull, 0xa33f480c8d29690bull, 0x439ec046d998c949ull},
    {0xb36f90396cae5050ull, 0x5cb5a3a86647b2adull, 0x81db637f42a12eddull, 0xd3acbb7f33969841ull},
    {0xe53267118efbca08ull, 0x2041178db69a2d49ull, 0xeb2bb4ad2c249e47ull, 0x282e007856169dc2ull},
    {0x825f1d1faf17b494ull, 0xf87e1980070321fcull, 0x8795da8e5db2aebaull, 0x9623731fdd559cdaull},
};

TEST(GeneratorOutput, FixedSeedsPaintTheRecordedPictures) {
  const std::vector<PaintRun> runs = Runs();
  for (std::size_t r = 0; r < runs.size(); ++r) {
    for (std::size_t s = 0; s < 4; ++s) {
      test::PaintFixture f(256, 200);
      f.Connectable = Settings[s].Connectable;
      f.MixRange = Settings[s].Mix;
      PaintContext context = f.Context(20240601);
      runs[r].Paint(context);
      EXPECT_EQ(Fingerprint(f.Target), Expected[r][s]) << runs[r].Name << " setting " << s;
    }
  }
}

TEST(GeneratorOutput, FillAndNoiseGiveTheRecordedPictures) {
  test::PaintFixture f(256, 200);
  f.MixRange = {10, 90};
  PaintContext context = f.Context(7);
  PaintCircles(context, CircleParams{8, 64, 40});
  FillPicture(f.Target, {30, 140, 220}, false, true, f.BlendWeight);
  RandomValue random;
  NoiseFilter(f.Target, NoiseParams{0, 30, {}, 42}, random, 0);
  const std::uint64_t colour = Fingerprint(f.Target);
  NoiseFilter(f.Target, NoiseParams{1, 80, {}, 43}, random, 0);
  EXPECT_EQ(colour, 0xfe47b42af01d480eull);
  EXPECT_EQ(Fingerprint(f.Target), 0x4bbbfe587e3e375aull);
}

}  // namespace
}  // namespace tessmark
