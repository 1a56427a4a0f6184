#include <gtest/gtest.h>

#include <set>

#include "paint/PaintContext.h"
#include "support/PictureProbe.h"

namespace tessmark {
namespace {

struct Fixture {
  Picture picture = test::WhitePicture(4, 4);
  std::uint8_t weight = 255;
  RandomValue random{1};
  Palette palette;
  int polls = 0;
  PaintContext Context(MixRange mix) {
    return PaintContext{picture, true, weight, random, palette, mix, [this] { return ++polls > 1000; }, [] { return 9u; }};
  }
};

TEST(BlendWeightForPercent, TruncatesAndTreatsAboveHundredAsHundred) {
  EXPECT_EQ(BlendWeightForPercent(100), 255);
  EXPECT_EQ(BlendWeightForPercent(50), 127);
  EXPECT_EQ(BlendWeightForPercent(1), 2);
  EXPECT_EQ(BlendWeightForPercent(0), 0);
  EXPECT_EQ(BlendWeightForPercent(101), 255);
  EXPECT_EQ(BlendWeightForPercent(255), 255);
}

TEST(ShapeBlendWeight, TakesToWithoutADrawUnlessToExceedsFrom) {
  Fixture f;
  PaintContext context = f.Context({60, 20});
  ShapeBlendWeight(context);
  EXPECT_EQ(f.weight, BlendWeightForPercent(20));
  RandomValue untouched(1);
  EXPECT_EQ(f.random.Next(), untouched.Next());
}

TEST(ShapeBlendWeight, DrawsPercentagesFromBelowTo) {
  Fixture f;
  PaintContext context = f.Context({20, 60});
  std::set<int> weights;
  for (int i = 0; i < 3000; ++i) {
    ShapeBlendWeight(context);
    weights.insert(f.weight);
  }
  EXPECT_EQ(*weights.begin(), 51);
  EXPECT_EQ(*weights.rbegin(), 150);
  EXPECT_EQ(weights.size(), 40u);
}

TEST(RepeatShapes, StopsAtTheCountOrWhenEscapeIsPressed) {
  Fixture f;
  PaintContext context = f.Context({100, 100});
  int shapes = 0;
  RepeatShapes(context, 3, [&] { ++shapes; });
  EXPECT_EQ(shapes, 3);
  EXPECT_EQ(f.polls, 3);

  shapes = 0;
  f.polls = 0;
  RepeatShapes(context, 0, [&] { ++shapes; });
  EXPECT_EQ(shapes, 1001);

  shapes = 0;
  f.polls = 995;
  RepeatShapes(context, 10, [&] { ++shapes; });
  EXPECT_EQ(shapes, 6);
}

TEST(RepeatShapes, SeedsTheRandomSourceFromTheContext) {
  Fixture f;
  PaintContext context = f.Context({100, 100});
  int first = -1;
  RepeatShapes(context, 1, [&] { first = f.random.Next(); });
  RandomValue expected(9);
  EXPECT_EQ(first, expected.Next());
}

}  // namespace
}  // namespace tessmark
