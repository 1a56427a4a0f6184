#include "paint/RandomValue.h"

#include <gtest/gtest.h>

#include <set>

namespace tessmark {
namespace {

TEST(RandomValue, SeedOneGivesTheKnownSequence) {
  RandomValue random(1);
  EXPECT_EQ(random.Next(), 41);
  EXPECT_EQ(random.Next(), 18467);
  EXPECT_EQ(random.Next(), 6334);
  EXPECT_EQ(random.Next(), 26500);
  random.Seed(1);
  EXPECT_EQ(random.Next(), 41);
}

TEST(RandomValue, DrawsStayWithinFifteenBits) {
  RandomValue random(0xDEADBEEF);
  for (int i = 0; i < 100000; ++i) {
    const int v = random.Next();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 32767);
  }
}

TEST(RandomValue, DrawsTakenTogetherEqualDrawsTakenOneByOne) {
  RandomValue together(0xFFFFFFF0u), alone(0xFFFFFFF0u);
  for (int round = 0; round < 1000; ++round) {
    for (const int draw : together.NextDraws<6>()) ASSERT_EQ(draw, alone.Next());
    for (const int draw : together.NextDraws<2>()) ASSERT_EQ(draw, alone.Next());
  }
  EXPECT_EQ(together.Next(), alone.Next());
}

TEST(RandomValue, SkippingDrawsLeavesTheStateTheyWouldHave) {
  for (const std::uint64_t draws : {0u, 1u, 2u, 3u, 1000u, 65537u}) {
    RandomValue skipped(0x1234567u), drawn(0x1234567u);
    skipped.Skip(draws);
    for (std::uint64_t k = 0; k < draws; ++k) drawn.Next();
    EXPECT_EQ(skipped.Next(), drawn.Next()) << draws;
  }
  RandomValue lap(77), same(77);
  lap.Skip(std::uint64_t{1} << 32);  // the generator's period
  EXPECT_EQ(lap.Next(), same.Next());
}

TEST(DrawInRange, NeverReachesMaxAndDrawsNothingForAnEmptySpan) {
  RandomValue random(7);
  for (int i = 0; i < 2000; ++i) {
    const int v = DrawInRange(random, 8, 32);
    ASSERT_GE(v, 8);
    ASSERT_LT(v, 32);
  }
  RandomValue a(3), b(3);
  EXPECT_EQ(DrawInRange(a, 5, 5), 5);
  EXPECT_EQ(a.Next(), b.Next());  // nothing was drawn
}

TEST(DrawInRange, AnInvertedRangeRunsPastMinByTheTruncatingRemainder) {
  RandomValue random(11);
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) seen.insert(DrawInRange(random, 10, 6));  // span -4: 10 ... 13
  EXPECT_EQ(seen, (std::set<int>{10, 11, 12, 13}));
  RandomValue wide(11), copy(11);
  EXPECT_EQ(DrawInRange(wide, INT32_MIN, 0), INT32_MIN + copy.Next());  // no overflow trap
}

TEST(DrawIfAbove, DrawsOnlyWhenMaxExceedsMin) {
  RandomValue a(5), b(5);
  EXPECT_EQ(DrawIfAbove(a, 10, 6), 10);
  EXPECT_EQ(DrawIfAbove(a, 10, 10), 10);
  EXPECT_EQ(a.Next(), b.Next());
  RandomValue c(5), d(5);
  EXPECT_EQ(DrawIfAbove(c, 10, 20), 10 + d.Next() % 10);
}

}  // namespace
}  // namespace tessmark
