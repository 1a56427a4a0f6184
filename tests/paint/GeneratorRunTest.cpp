#include <gtest/gtest.h>

#include <functional>
#include <optional>
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

// Pictures of 32 MiB and more have their shapes held back and painted in bands of rows.
constexpr std::int32_t LargeWidth = 2400, LargeHeight = 4700;

// Stopped by Escape after shape 40, the live view showing the picture after shape 20: what was
// shown, the picture, the blend weight and the random state are those of runs counting 20 and 40.
TEST(ShapeGenerators, OnALargePictureLeaveAndShowOnlyTheShapesGoneThrough) {
  for (const Generator& g : AllGenerators()) {
    PaintFixture stopped(LargeWidth, LargeHeight), twenty(LargeWidth, LargeHeight), forty(LargeWidth, LargeHeight);
    for (PaintFixture* f : {&stopped, &twenty, &forty}) f->MixRange = {20, 80};
    PaintContext context = stopped.Context(8);
    std::optional<Picture> shown;
    context.PictureWanted = [&] { return stopped.Polls == 20; };
    context.EscapePressed = [&] {
      if (stopped.Polls == 20) shown = ClonePicture(stopped.Target);
      return ++stopped.Polls == 41;
    };
    g.Paint(context, 0);
    PaintContext first = twenty.Context(8), second = forty.Context(8);
    g.Paint(first, 20);
    g.Paint(second, 40);
    ASSERT_TRUE(shown) << g.Name;
    EXPECT_TRUE(test::SamePixels(*shown, twenty.Target)) << g.Name;
    EXPECT_TRUE(test::SamePixels(stopped.Target, forty.Target)) << g.Name;
    EXPECT_EQ(stopped.BlendWeight, forty.BlendWeight) << g.Name;
    EXPECT_EQ(stopped.Random.Next(), forty.Random.Next()) << g.Name;
  }
}

TEST(ShapeGenerators, OnALargePicturePaintEveryDiscAsDrawnOneByOne) {
  PaintFixture f(LargeWidth, LargeHeight);
  f.MixRange = {30, 90};
  PaintContext context = f.Context(5);
  PaintCircles(context, CircleParams{1, 40, 3000});

  Picture expected = test::WhitePicture(LargeWidth, LargeHeight);
  RandomValue draws(5);
  for (int i = 0; i < 3000; ++i) {
    const std::int32_t radius = 1 + draws.Next() % 39;
    const std::int32_t cx = draws.Next() % (2 * LargeWidth), cy = draws.Next() % (2 * LargeHeight);
    const Color color = test::DrawRandomColor(draws);
    const std::uint8_t weight = BlendWeightForPercent(30 + draws.Next() % 60);
    DrawDisc(Canvas{expected, true, weight}, cx, cy, radius, color);
  }
  EXPECT_TRUE(test::SamePixels(expected, f.Target));
}

}  // namespace
}  // namespace tessmark
