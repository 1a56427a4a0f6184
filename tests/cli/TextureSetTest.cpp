#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "files/FileBytes.h"
#include "imageio/PictureOverWhite.h"
#include "paint/MapLayer.h"
#include "recipe/PngRecipe.h"
#include "recipe/RecipeValues.h"
#include "support/CommandRun.h"
#include "support/PictureProbe.h"
#include "support/TempFolder.h"

namespace tessmark {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Args = std::vector<std::string>;

// Runs of one picture and its maps, written as out.bmp and out-NAME.bmp in a fresh folder.
class TextureSet : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteText(folder.File("three.gpl"), "GIMP Palette\n10 20 30\n200 100 50\n0 255 0\n");
    test::WriteText(folder.File("grey.gpl"), "GIMP Palette\n0 0 0\n128 128 128\n255 255 255\n");
    test::WriteText(folder.File("two.gpl"), "GIMP Palette\n1 1 1\n2 2 2\n");
  }

  std::string File(const std::string& name) const { return folder.File(name); }

  int Run(Args args) {
    args.insert(args.begin(), {"--seed", "7", "--size", "48x40", "-o", File("out.bmp")});
    return run(args);
  }

  Bytes Written(const std::string& name = "") const {
    return ReadWholeFile(File(name.empty() ? "out.bmp" : Concat("out-", name, ".bmp")), 1 << 24).Bytes;
  }

  test::TempFolder folder;
  test::CommandRun run;
};

const Args PaletteRun{"circle:count=60", "rect:count=20", "fill:color=336699,full=0", "polygon:count=8,fill=1",
                      "vector:count=8"};

TEST_F(TextureSet, MapsLeaveThePictureAsTheSameCommandWithoutThemPaintsIt) {
  const Args ops{"circle:count=60", "noise:percent=10", "rect:count=20,colors=FF0000;00FF00;0000FF"};
  ASSERT_EQ(Run(ops), 0);
  const Bytes alone = Written();
  Args withMaps = ops;
  withMaps.insert(withMaps.end(), {"--map", Concat("h=", File("three.gpl"), ",start=000000,fill=808080"), "--map",
                                   "ids=id", "--normal", "n=h"});
  ASSERT_EQ(Run(withMaps), 0) << run.Errors.str();
  EXPECT_EQ(Written(), alone);
  EXPECT_FALSE(Written("n").empty());
}

TEST_F(TextureSet, AMapWithThePicturesPaletteStartAndFillIsThePicture) {
  Args ops = PaletteRun;
  ops.insert(ops.end(), {"--palette", File("three.gpl"), "--map", Concat("same=", File("three.gpl"))});
  ASSERT_EQ(Run(ops), 0) << run.Errors.str();
  EXPECT_EQ(Written("same"), Written());
}

TEST_F(TextureSet, ARecolouredRecipeIsTheRecipeWithItsColoursEditedByHand) {
  ASSERT_EQ(Run({"circle:count=50,colors=0A141E;C86432;00FF00", "rect:count=30", "--recolor", File("grey.gpl")}), 0);
  const Bytes recoloured = Written();
  ASSERT_EQ(Run({"circle:count=50,colors=000000;808080;FFFFFF", "rect:count=30"}), 0);
  EXPECT_EQ(Written(), recoloured);
}

// A recipe paints the picture alone, in the colours it names: a map or a recoloured picture that
// carried one would be painted again wrong.
TEST_F(TextureSet, OnlyThePictureItselfCarriesItsRecipe) {
  const auto carried = [&](const std::string& name) {
    return ReadPngRecipe(ReadWholeFile(File(name), 1 << 24).Bytes).Value.has_value();
  };
  ASSERT_EQ(run({"--seed", "7", "--size", "48x40", "-o", File("out.png"), "circle:count=9", "--map", "id=id"}), 0);
  EXPECT_TRUE(carried("out.png"));
  EXPECT_FALSE(carried("out-id.png"));
  ASSERT_EQ(run({"--size", "48x40", "-o", File("re.png"), "circle:count=9", "--recolor", File("two.gpl")}), 0);
  EXPECT_FALSE(carried("re.png"));
}

TEST_F(TextureSet, NoiseReachesAMapOnlyWhenItAsksForIt) {
  const std::string palette = File("three.gpl");
  ASSERT_EQ(Run({"--palette", File("three.gpl"), "circle:count=40", "noise:percent=30,germe=5", "--map", Concat("m=", palette),
                 "--map", Concat("mn=", palette, ",noise=1")}),
            0);
  EXPECT_EQ(Written("mn"), Written());
  const Bytes noisy = Written();
  ASSERT_EQ(Run({"--palette", File("three.gpl"), "circle:count=40"}), 0);
  EXPECT_EQ(Written("m"), Written());
  EXPECT_NE(Written(), noisy);
}

TEST_F(TextureSet, AMapOfAnInputPictureStartsFromItUnlessGivenAStart) {
  ASSERT_EQ(Run({"rect:count=30"}), 0);
  std::filesystem::copy_file(File("out.bmp"), File("in.bmp"));
  const Args run{"-o", File("x.bmp"), "--input", File("in.bmp"), "--map", Concat("a=", File("three.gpl")),
                 "--map", Concat("b=", File("three.gpl"), ",start=FFFFFF")};
  ASSERT_EQ(this->run(run), 0) << this->run.Errors.str();
  EXPECT_EQ(ReadWholeFile(File("x-a.bmp"), 1 << 24).Bytes, Written());
  EXPECT_NE(ReadWholeFile(File("x-b.bmp"), 1 << 24).Bytes, Written());
}

TEST_F(TextureSet, AnIdMapHoldsOnlyIdColoursOverItsBackgroundWhileColourMapsTakeStampsAsThePicture) {
  ASSERT_EQ(Run({"rect:count=10"}), 0);
  std::filesystem::copy_file(File("out.bmp"), File("stamp.bmp"));
  ASSERT_EQ(Run({"--mix", "20-60", "circle:count=30,raymin=2,raymax=9", "fill:color=FF00FF,full=0", "--palette",
                 File("three.gpl"), "rect:count=9", Concat("tag:count=3,files=", File("stamp.bmp")), "--map", "ids=id",
                 "--map", Concat("same=", File("three.gpl"))}),
            0)
      << run.Errors.str();
  EXPECT_EQ(Written("same"), Written());
  const MapColors id = IdColors();
  std::set<std::uint32_t> allowed{RefFromColor(IdBackground)};
  for (std::int32_t k = 0; k < id.Colors.Count; ++k) allowed.insert(RefFromColor(id.Colors.Colors[static_cast<std::size_t>(k)]));
  const PictureOverWhiteRead ids = ReadPictureOverWhite(File("out-ids.bmp"), "");
  ASSERT_TRUE(ids.Picture);
  std::set<std::uint32_t> seen;
  for (std::int32_t y = 0; y < ids.Picture->Height; ++y) {
    for (std::int32_t x = 0; x < ids.Picture->Width; ++x) seen.insert(RefFromColor(test::PixelAt(*ids.Picture, x, y)));
  }
  EXPECT_TRUE(std::includes(allowed.begin(), allowed.end(), seen.begin(), seen.end()));
  EXPECT_EQ(seen.size(), 4u);  // the fill covered the discs; three palette positions and the background remain
}

TEST_F(TextureSet, RefusesWithOneLineAndWritesNothing) {
  const std::string three = Concat("h=", File("three.gpl"));
  const std::vector<Args> refused{
      {"--palette", File("two.gpl"), "circle:count=5", "--map", three},
      {"circle:count=5,colors=FF0000", "--recolor", File("three.gpl")},
      {"--normal", "n=nothing"},
      {"--map", three, "--map", Concat("H=", File("grey.gpl"))},
      {"--map", Concat("a/b=", File("three.gpl"))},
      {"--map", "main=id"},
  };
  for (const Args& args : refused) {
    test::CommandRun attempt;
    Args full{"--size", "16x16", "-o", File("r.png")};
    full.insert(full.end(), args.begin(), args.end());
    EXPECT_EQ(attempt(full), 2) << args.back();
    const std::string errors = attempt.Errors.str();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
  }
  Args many{"--size", "16x16", "-o", File("r.png")};
  for (int k = 0; k <= 16; ++k) many.insert(many.end(), {"--map", Concat("m", std::to_string(k), "=id")});
  EXPECT_EQ(test::CommandRun()(many), 2);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path), {}), 3);
}

TEST_F(TextureSet, WarnsOfAnOptionEveryOperationReplacesAndOnlyThen) {
  ASSERT_EQ(Run({"--palette", File("three.gpl"), "circle:count=5,colors=FF0000,seed=3", "rect:count=5,colors=00FF00"}), 0);
  EXPECT_NE(run.Errors.str().find("--palette has no effect"), std::string::npos) << run.Errors.str();
  EXPECT_EQ(run.Errors.str().find("--seed"), std::string::npos) << run.Errors.str();
  test::CommandRun again;
  ASSERT_EQ(again({"--seed", "1", "--size", "8x8", "-o", File("w.png"), "--palette", File("three.gpl"),
                   "circle:count=5,seed=3", "rect:count=5,colors=00FF00,seed=4"}),
            0);
  EXPECT_EQ(again.Errors.str(), "tessmark: --seed has no effect: every operation that uses it gives its own seed=\n");
}

}  // namespace
}  // namespace tessmark
