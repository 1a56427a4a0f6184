#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "paint/Generators.h"
#include "support/PaintFixture.h"

namespace tessmark {
namespace {

using test::PaintFixture;

struct Generator {
  std::string Name;
  std::function<void(PaintContext&, std::int32_t count)> Paint;
};

std::vector<Generator> AllGenerators() {
  return {
      {"circles", [](PaintContext& c, std::int32_t n) { PaintCircles(c, CircleParams{8, 32, n}); }},
      {"rectangles", [](PaintContext& c, std::int32_t n) { PaintRectangles(c, RectangleParams{4, 4, 32, 32, n}); }},
      {"polygons", [](PaintContext& c, std::int32_t n) { PaintPolygons(c, PolygonParams{16, 64, 8, 32, n, 1, {}}); }},
      {"vectors", [](PaintContext& c, std::int32_t n) { PaintVectors(c, VectorParams{8, 256, 8, 48, n, 1, {}}); }},
  };
}

// The poll is asked once before the first shape and once after each shape.
TEST(ShapeGenerators, PaintTheirCountAndPollEscapeOncePerShape) {
  for (const Generator& g : AllGenerators()) {
    PaintFixture f;
    PaintContext context = f.Context(5);
    g.Paint(context, 3);
    EXPECT_EQ(f.Polls, 4) << g.Name;
  }
}

TEST(ShapeGenerators, IgnoreAnEscapePressedBeforeTheRun) {
  for (const Generator& g : AllGenerators()) {
    PaintFixture f;
    f.StopAtPoll = 1;
    PaintContext context = f.Context(5);
    g.Paint(context, 2);
    EXPECT_EQ(f.Polls, 3) << g.Name;
  }
}

TEST(ShapeGenerators, StopAfterTheShapeDuringWhichEscapeWasPressed) {
  for (const Generator& g : AllGenerators()) {
    for (const std::int32_t count : {0, -1, 10}) {
      PaintFixture f;
      f.StopAtPoll = 5;  // after the fourth shape
      PaintContext context = f.Context(5);
      g.Paint(context, count);
      EXPECT_EQ(f.Polls, 5) << g.Name << " count " << count;
    }
  }
}

TEST(ShapeGenerators, TheSameSeedPaintsTheSamePicture) {
  for (const Generator& g : AllGenerators()) {
    PaintFixture a, b, c;
    PaintContext first = a.Context(77), second = b.Context(77), other = c.Context(78);
    g.Paint(first, 30);
    g.Paint(second, 30);
    g.Paint(other, 30);
    EXPECT_TRUE(test::SamePixels(a.Target, b.Target)) << g.Name;
    EXPECT_FALSE(test::SamePixels(a.Target, c.Target)) << g.Name;
  }
}

TEST(ShapeGenerators, APaletteOfOneColourPaintsEveryShapeInIt) {
  for (const Generator& g : AllGenerators()) {
    PaintFixture f;
    f.Palette.AllColor = false;
    AddColor(f.Palette, {200, 10, 90});
    PaintContext context = f.Context(3);
    g.Paint(context, 40);
    const auto painted = test::PaintedPixels(f.Target);
    ASSERT_FALSE(painted.empty()) << g.Name;
    for (const auto& [x, y] : painted) ASSERT_EQ(test::PixelAt(f.Target, x, y), (Color{200, 10, 90})) << g.Name;
  }
}

TEST(ShapeGenerators, LeaveTheLastShapesBlendWeight) {
  for (const Generator& g : AllGenerators()) {
    PaintFixture f;
    f.MixRange = {50, 50};
    PaintContext context = f.Context(3);
    g.Paint(context, 2);
    EXPECT_EQ(f.BlendWeight, 127) << g.Name;
  }
}

}  // namespace
}  // namespace tessmark
