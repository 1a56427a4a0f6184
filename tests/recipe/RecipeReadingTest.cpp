#include "recipe/RecipeReading.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/FileBytes.h"
#include "recipe/PngRecipe.h"
#include "support/CommandRun.h"
#include "support/TempFolder.h"

namespace tessmark {
namespace {

class RecipeReading : public ::testing::Test {
 protected:
  std::string Paint(std::vector<std::string> args, const std::string& name) {
    const std::string path = folder.File(name);
    args.insert(args.begin(), {"--seed", "5", "-o", path});
    test::CommandRun run;
    EXPECT_EQ(run(args), 0) << run.Errors.str();
    return path;
  }

  test::TempFolder folder;
};

// Read back and carried again from the same folder, the recipe is the one the picture carries.
TEST_F(RecipeReading, APictureGoesOnFromTheRecipeItCarries) {
  const std::string start = Paint({"--size", "20x16", "circle:count=5"}, "start.bmp");
  const std::string path = Paint({"--input", start, "circle:count=9,mix=40-70", "fill:color=FF0000,full=0",
                                  "polygon:count=3,colors=112233;445566", "noise:percent=10"},
                                 "painted.png");
  const Parsed<Recipe> read = CarriedRecipeOf(path, 20, 16);
  ASSERT_TRUE(read) << read.Error;
  EXPECT_EQ(read.Value->Steps.size(), 4u);
  EXPECT_EQ(CarriedRecipe(RecipeLines(*read.Value, {}), folder.Path.string()),
            *ReadPngRecipe(ReadWholeFile(path, 1 << 20).Bytes).Value);
}

TEST_F(RecipeReading, RefusesARecipeThatCannotPaintThePictureAgain) {
  const std::string start = Paint({"--size", "20x16", "circle:count=5"}, "start.bmp");
  const std::string fromStart = Paint({"--input", start, "circle:count=2"}, "a.png");
  const std::string white = Paint({"--size", "20x16", "circle:count=2"}, "b.png");
  std::filesystem::remove(start);
  EXPECT_NE(CarriedRecipeOf(fromStart, 20, 16).Error.find("is gone"), std::string::npos);
  EXPECT_FALSE(CarriedRecipeOf(white, 16, 16));
  EXPECT_FALSE(CarriedRecipeOf(Paint({"--size", "20x16", "--no-recipe", "rect:count=2"}, "c.png"), 20, 16));
  EXPECT_FALSE(CarriedRecipeOf(Paint({"--size", "20x16", "rect:count=2"}, "d.bmp"), 20, 16));
}

}  // namespace
}  // namespace tessmark
