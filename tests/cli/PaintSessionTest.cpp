#include "cli/PaintSession.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/PaintFixture.h"

namespace tessmark::cli {
namespace {

class PaintSessionTest : public ::testing::Test {
 protected:
  void Run(const char* text) {
    const auto operation = ParseOperation(text);
    ASSERT_TRUE(operation) << operation.Error;
    EXPECT_EQ(RunOperation(*operation.Value, session), "");
  }

  std::ostringstream errors;
  RunEnvironment environment{.Out = errors,
                             .Errors = errors,
                             .ErrorsIsTerminal = false,
                             .Clock = [] { return std::uint32_t{77}; },
                             .StopRequested = [] { return false; },
                             .Steady = std::chrono::steady_clock::now,
                             .ProgramDirectory = ""};
  Settings records;
  Palette palette;
  Picture picture = test::WhitePicture(16, 16);
  PaintSession session{.Records = records,
                       .Palette = palette,
                       .Target = picture,
                       .Environment = environment,
                       .FixedSeed = std::nullopt,
                       .Random = RandomValue()};
};

TEST_F(PaintSessionTest, TheBlendWeightOfTheLastShapeCarriesOverToAMixedFill) {
  EXPECT_EQ(session.CurrentBlendWeight, 255);
  records.MixRange = {50, 50};
  Run("circle:raymin=3,raymax=6,count=4");
  EXPECT_EQ(session.CurrentBlendWeight, 127);
  const Color before = test::PixelAt(picture, 5, 9);
  Run("fill:color=000000,full=0");
  const Color after = test::PixelAt(picture, 5, 9);
  EXPECT_EQ(after.Red, BlendChannel(before.Red, 0, 127));
  EXPECT_EQ(after.Blue, BlendChannel(before.Blue, 0, 127));
  Run("fill:color=102030");
  EXPECT_EQ(test::PixelAt(picture, 15, 15), (Color{0x10, 0x20, 0x30}));
}

TEST_F(PaintSessionTest, WithoutAFixedSeedEveryOperationTakesTheClock) {
  Run("rect:count=5");
  Picture clockSeeded = test::WhitePicture(16, 16);
  std::swap(clockSeeded, picture);
  session.FixedSeed = 78;
  Run("rect:count=5");
  EXPECT_FALSE(test::SamePixels(picture, clockSeeded));
  picture = test::WhitePicture(16, 16);
  session.FixedSeed = 77;
  Run("rect:count=5");
  EXPECT_TRUE(test::SamePixels(picture, clockSeeded));
}

TEST_F(PaintSessionTest, NoiseWithoutGermeTakesTheRunSeed) {
  session.FixedSeed = 5;
  Run("noise:percent=50");
  Picture first = test::WhitePicture(16, 16);
  std::swap(first, picture);
  Run("noise:percent=50,germe=5");
  EXPECT_TRUE(test::SamePixels(picture, first));
}

}  // namespace
}  // namespace tessmark::cli
