#include "cli/PaintSession.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/PaintFixture.h"

namespace tessmark::cli {
namespace {

class PaintSessionTest : public ::testing::Test {
 protected:
  void Run(const char* text, std::uint32_t seed = 77) {
    const auto operation = ParseOperation(text);
    ASSERT_TRUE(operation) << operation.Error;
    EXPECT_EQ(RunOperation(*operation.Value, seed, session), "");
  }

  Picture Painted(const char* text, std::uint32_t seed) {
    picture = test::WhitePicture(16, 16);
    Run(text, seed);
    return std::move(picture);
  }

  std::ostringstream errors;
  RunEnvironment environment{.Out = errors,
                             .Errors = errors,
                             .ErrorsIsTerminal = false,
                             .RandomSeed = [] { return std::uint32_t{77}; },
                             .StopRequested = [] { return false; },
                             .Steady = std::chrono::steady_clock::now,
                             .ProgramDirectory = ""};
  OperationStep step;
  Picture picture = test::WhitePicture(16, 16);
  PaintSession session{.Step = step, .Target = picture, .Environment = environment, .Random = RandomValue()};
};

TEST_F(PaintSessionTest, TheBlendWeightOfTheLastShapeCarriesOverToAMixedFillUnlessItNamesOne) {
  EXPECT_EQ(session.CurrentBlendWeight, 255);
  step.Records.MixRange = {50, 50};
  Run("circle:raymin=3,raymax=6,count=4");
  EXPECT_EQ(session.CurrentBlendWeight, 127);
  const Color before = test::PixelAt(picture, 5, 9);
  Run("fill:color=000000,full=0");
  const Color after = test::PixelAt(picture, 5, 9);
  EXPECT_EQ(after.Red, BlendChannel(before.Red, 0, 127));
  EXPECT_EQ(after.Blue, BlendChannel(before.Blue, 0, 127));
  Run("fill:color=FFFFFF,full=0,weight=255");
  EXPECT_EQ(test::PixelAt(picture, 5, 9), (Color{255, 255, 255}));
  Run("fill:color=102030");
  EXPECT_EQ(test::PixelAt(picture, 15, 15), (Color{0x10, 0x20, 0x30}));
}

TEST_F(PaintSessionTest, AnOperationTakesTheGivenSeedUnlessItNamesItsOwn) {
  const Picture seeded = Painted("rect:count=5", 77);
  EXPECT_FALSE(test::SamePixels(Painted("rect:count=5", 78), seeded));
  EXPECT_TRUE(test::SamePixels(Painted("rect:count=5,seed=77", 5), seeded));
}

TEST_F(PaintSessionTest, NoiseWithoutGermeTakesItsOperationsSeed) {
  const Picture first = Painted("noise:percent=50", 5);
  EXPECT_TRUE(test::SamePixels(Painted("noise:percent=50,germe=5", 9), first));
  EXPECT_TRUE(test::SamePixels(Painted("noise:percent=50,seed=5", 9), first));
}

}  // namespace
}  // namespace tessmark::cli
