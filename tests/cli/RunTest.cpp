#include "cli/Run.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/FileBytes.h"
#include "palette/PaletteFile.h"
#include "recipe/PngRecipe.h"
#include "settings/Configuration.h"
#include "support/CommandRun.h"
#include "support/TempFolder.h"

namespace tessmark {
namespace {

using Bytes = std::vector<std::uint8_t>;

class Tessmark : public ::testing::Test {
 protected:
  // The bytes written by one run, which must succeed.
  Bytes Output(std::vector<std::string> args, const std::string& name = "out.png") {
    const std::string path = folder.File(name);
    args.insert(args.begin(), {"-o", path});
    test::CommandRun run;
    EXPECT_EQ(run(args), 0) << run.Errors.str();
    return ReadWholeFile(path, 1 << 26).Bytes;
  }

  // The one-line message of a run that must fail with the status.
  std::string Failure(std::vector<std::string> args, int status = 1) {
    test::CommandRun run;
    EXPECT_EQ(run(args), status);
    const std::string errors = run.Errors.str();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    return errors;
  }

  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.Path), {}));
  }

  test::TempFolder folder;
};

TEST_F(Tessmark, TheSameCommandGivesTheSameBytesInEveryFormat) {
  const std::vector<std::string> ops{"--seed", "99", "--size", "96x64", "circle:count=40", "rect:count=20",
                                     "polygon:count=10,fill=1", "vector:count=10", "noise:percent=8,germe=3"};
  for (const char* name : {"a.png", "a.bmp", "a.jpg"}) {
    const Bytes first = Output(ops, name);
    ASSERT_FALSE(first.empty()) << name;
    EXPECT_EQ(Output(ops, name), first) << name;
  }
  auto other = ops;
  other[1] = "100";
  EXPECT_NE(Output(other), Output(ops));
}

TEST_F(Tessmark, OperationKIsSeededWithNPlusKMinusOneUnlessItNamesItsSeed) {
  const Bytes seeded = Output({"--seed", "5", "circle:count=30", "circle", "noise:percent=20"});
  EXPECT_EQ(Output({"--seed", "9", "circle:count=30,seed=5", "circle:seed=6", "noise:percent=20,seed=7"}), seeded);
  EXPECT_NE(Output({"--seed", "5", "circle:count=30", "circle:seed=5", "noise:percent=20"}), seeded);
  // Modulo 2^32.
  EXPECT_EQ(Output({"--seed", "4294967295", "rect:count=9", "rect"}), Output({"--seed", "0", "rect:count=9,seed=4294967295", "rect:seed=0"}));
}

TEST_F(Tessmark, WithoutASeedItDrawsOneAndSaysWhichSoTheRunRepeats) {
  const std::string path = folder.File("drawn.png");
  test::CommandRun run;
  ASSERT_EQ(run({"-o", path, "circle:count=20", "rect:count=5"}), 0);
  EXPECT_EQ(run.Errors.str(), "tessmark: seed 1234567\n");
  EXPECT_EQ(Output({"--seed", "1234567", "circle:count=20", "rect:count=5"}), ReadWholeFile(path, 1 << 26).Bytes);
  test::CommandRun seeded;
  seeded({"--seed", "3", "-o", path, "circle:count=2"});
  EXPECT_EQ(seeded.Errors.str(), "");
  // Nothing drew on the drawn seed: a fill, an operation's own seed, a noise's own germe.
  test::CommandRun unseeded;
  ASSERT_EQ(unseeded({"--size", "8x8", "-o", path, "fill:color=FF0000", "circle:count=3,seed=4", "noise:germe=5"}), 0);
  EXPECT_EQ(unseeded.Errors.str(), "");
}

TEST_F(Tessmark, CtrlCSaysHowManyShapesWerePaintedSoTheCountRepeatsIt) {
  const std::string path = folder.File("stopped.png");
  test::CommandRun run;
  run.StopAtPoll = 40;  // the poll before the first shape, then one after each
  ASSERT_EQ(run({"--seed", "6", "-o", path, "polygon:count=0", "circle:count=3"}), 0);
  EXPECT_EQ(run.Errors.str(), "tessmark: polygon stopped after 39 shapes\n");
  EXPECT_EQ(Output({"--seed", "6", "polygon:count=39", "circle:count=3"}), ReadWholeFile(path, 1 << 26).Bytes);
}

TEST_F(Tessmark, MemoryRunningOutWhilePaintingIsOneLineAndLeavesTheOldOutput) {
  const std::string path = folder.File("kept.bmp");
  test::WriteBytes(path, Bytes{1, 2, 3});
  test::CommandRun run;
  run.OutOfMemoryAtPoll = 5;
  EXPECT_EQ(run({"-o", path, "circle:count=1", "polygon:count=9"}), 1);
  EXPECT_EQ(run.Errors.str(), "tessmark: not enough memory to run polygon\n");
  EXPECT_EQ(ReadWholeFile(path, 100).Bytes, (Bytes{1, 2, 3}));
}

TEST_F(Tessmark, RunsResponseFilesAsTheirWords) {
  Output({"--seed", "3", "--size", "32x32", "circle:count=4"}, "a b.png");
  const std::string inner = folder.File("inner.txt");
  test::WriteText(inner, "# the shapes\n  rect:count=7,mix=20-90   circle:count=3\n\n");
  test::WriteText(folder.File("recipe.txt"), "--seed 12\n--size 64x48 --no-connectable\n@" + inner +
                                                 "\ntag:count=2,files=\"" + folder.File("a b.png") + "\"\n");
  EXPECT_EQ(Output({"@" + folder.File("recipe.txt")}),
            Output({"--seed", "12", "--size", "64x48", "--no-connectable", "rect:count=7,mix=20-90", "circle:count=3",
                    "tag:count=2,files=" + folder.File("a b.png")}));
  EXPECT_EQ(Output({"--input", "\"" + folder.File("a b.png") + "\""}), Output({"--input", folder.File("a b.png")}));
}

TEST_F(Tessmark, RefusesBadResponseFilesWithOneLine) {
  const std::string out = folder.File("never.png");
  const std::string self = folder.File("self.txt");
  test::WriteText(self, "circle\n@" + self + "\n");
  const std::string open = folder.File("open.txt");
  test::WriteText(open, "circle\n# \"\ntag:files=\"a.png\n");
  EXPECT_EQ(Failure({"-o", out, "@" + folder.File("none.txt")}, 2),
            "tessmark: cannot read " + folder.File("none.txt") + ": No such file or directory (see tessmark --help)\n");
  EXPECT_EQ(Failure({"-o", out, "@" + open}, 2), "tessmark: " + open + ":3: unterminated quote (see tessmark --help)\n");
  EXPECT_EQ(Failure({"-o", out, "@" + self}, 2),
            "tessmark: " + self + ": response files nested more than 8 deep (see tessmark --help)\n");
  EXPECT_EQ(Failure({"-o", out, "--input", "\"a.png"}, 2),
            "tessmark: --input: unterminated quote in \"a.png (see tessmark --help)\n");
  EXPECT_EQ(FilesInFolder(), 2u);
}

TEST_F(Tessmark, UsesTheConfigurationAndLetsKeysAndOptionsOverrideIt) {
  Settings saved;
  saved.Circle = {2, 9, 25};
  saved.MixRange = {40, 60};
  saved.Config.Connectable = 0;
  const std::string config = folder.File("mine.gccfg");
  ASSERT_TRUE(SaveConfiguration(config, saved));

  EXPECT_EQ(Output({"--seed", "1", "--config", config, "circle"}),
            Output({"--seed", "1", "--mix", "40-60", "--no-connectable", "circle:raymin=2,raymax=9,count=25"}));
  EXPECT_EQ(Output({"--seed", "1", "--config", config, "--connectable", "--mix", "100-100", "circle:count=3"}),
            Output({"--seed", "1", "circle:raymin=2,raymax=9,count=3"}));
}

TEST_F(Tessmark, AKeyStaysSetForTheOperationsAfterIt) {
  EXPECT_EQ(Output({"--seed", "8", "circle:raymax=12,count=5", "circle"}),
            Output({"--seed", "8", "circle:raymax=12,count=5", "circle:raymax=12,count=5"}));
}

TEST_F(Tessmark, ACountOfZeroRunsUntilCtrlCAndStillWrites) {
  const std::string path = folder.File("endless.bmp");
  test::CommandRun run;
  run.StopAtPoll = 200;
  EXPECT_EQ(run({"--seed", "2", "-o", path, "rect:count=0", "circle:count=3"}), 0);
  EXPECT_EQ(run.Polls, 200 + 4);  // then the circles: one poll before the first, one after each
  EXPECT_FALSE(ReadWholeFile(path, 1 << 22).Bytes.empty());
}

TEST_F(Tessmark, StartsFromAnInputPictureAsItIs) {
  for (const char* name : {"start.bmp", "start.png"}) {
    const Bytes start = Output({"--no-recipe", "--seed", "4", "--size", "40x30", "circle:count=20"}, name);
    EXPECT_EQ(Output({"--no-recipe", "--input", folder.File(name)}, name), start) << name;
  }
  EXPECT_NE(Failure({"-o", folder.File("x.png"), "--input", folder.File("none.png")}).find("none.png"),
            std::string::npos);
}

// The PNG carries what paints it again, from its own folder wherever that goes.
TEST_F(Tessmark, APngRepaintsItselfFromTheRecipeItCarries) {
  std::filesystem::create_directories(folder.File("art/stamps"));
  Output({"--no-recipe", "--seed", "3", "--size", "16x16", "circle:count=9"}, "art/stamps/s.png");
  const std::vector<std::string> ops{"--seed", "7", "--size", "64x48", "circle:count=30", "fill:color=FF0000,full=0",
                                     "tag:count=5,files=" + folder.File("art/stamps/s.png"), "noise:percent=10"};
  const Bytes painted = Output(ops, "art/a.png");
  EXPECT_EQ(Output(ops, "art/a.png"), painted);
  std::filesystem::rename(folder.File("art"), folder.File("moved"));
  EXPECT_EQ(Output({"@" + folder.File("moved/a.png")}, "moved/again.png"), painted);
  const Bytes bare = Output({"--no-recipe", "@" + folder.File("moved/a.png")}, "bare.png");
  EXPECT_LT(bare.size(), painted.size());
  EXPECT_EQ(ReadPngRecipe(bare).Error, "carries no recipe");
  EXPECT_NE(Failure({"-o", folder.File("x.png"), "@" + folder.File("bare.png")}, 2).find("carries no recipe"),
            std::string::npos);
}

TEST_F(Tessmark, ARunStoppedByCtrlCIsCarriedWithTheCountItReached) {
  test::CommandRun run;
  run.StopAtPoll = 25;
  ASSERT_EQ(run({"--seed", "4", "--size", "32x32", "-o", folder.File("stopped.png"), "rect:count=0"}), 0);
  const Bytes stopped = ReadWholeFile(folder.File("stopped.png"), 1 << 20).Bytes;
  EXPECT_EQ(Output({"@" + folder.File("stopped.png")}), stopped);
}

TEST_F(Tessmark, StampsAndSamplesPictureFiles) {
  Output({"--seed", "3", "--size", "64x64", "circle:raymax=12,count=4"}, "source.png");
  const std::string files = "files=" + folder.File("source.png");
  const std::vector<std::string> tags{"--seed", "9", "--size", "128x128", "fill:color=000000", "tag:count=6," + files};
  const Bytes tagged = Output(tags);
  EXPECT_EQ(Output(tags), tagged);
  EXPECT_NE(tagged, Output({"--seed", "9", "--size", "128x128", "fill:color=000000"}));
  auto unkeyed = tags;
  unkeyed.insert(unkeyed.begin(), {"--blend-color", "none"});  // the white around the discs is laid too
  EXPECT_NE(Output(unkeyed), tagged);

  const std::vector<std::string> mix{"--seed", "9", "circlemix:radiusmin=4,radiusmax=20,count=25," + files};
  EXPECT_EQ(Output(mix), Output(mix));
}

TEST_F(Tessmark, APictureFileThatCannotBeUsedIsAnError) {
  const std::string out = folder.File("never.png");
  EXPECT_NE(Failure({"-o", out, "tag:files=" + folder.File("gone.png")}).find("gone.png"), std::string::npos);
  EXPECT_EQ(Failure({"-o", out, "circlemix:count=3"}),
            "tessmark: circlemix has no picture files: give circlemix:files=a.png;b.jpg\n");
  EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(Tessmark, ConfigurationSizeIsTheDefaultPictureSize) {
  Settings saved;
  saved.NewPicture.X = 3;
  const std::string config = folder.File("small.gccfg");
  ASSERT_TRUE(SaveConfiguration(config, saved));
  EXPECT_EQ(Failure({"-o", folder.File("x.png"), "--config", config}),
            "tessmark: The picture should be have a minimum size 4,4\n");
  EXPECT_EQ(Output({"--config", config, "--size", "4x4"}).empty(), false);
}

TEST_F(Tessmark, AGimpPalettePaintsAsThePaletteFileAndSaysWhatItLeftOut) {
  Palette palette;
  AddRandomColors(palette, 255, 3);
  ASSERT_TRUE(SavePaletteFile(folder.File("p.gpal"), palette).Ok);
  ASSERT_TRUE(SavePaletteFile(folder.File("p.gpl"), palette).Ok);
  const auto paint = [&](const char* file) {
    return Output({"--seed", "4", "--size", "32x32", "--palette", folder.File(file), "circle:count=20"});
  };
  EXPECT_EQ(paint("p.gpl"), paint("p.gpal"));

  std::string many = "GIMP Palette\n";
  for (int i = 0; i < 260; ++i) many += "1 2 3\n";
  test::WriteBytes(folder.File("many.gpl"), Bytes(many.begin(), many.end()));
  test::CommandRun run;
  EXPECT_EQ(run({"--seed", "1", "-o", folder.File("many.png"), "--palette", folder.File("many.gpl"), "circle:count=1"}), 0);
  EXPECT_EQ(run.Errors.str(), "tessmark: " + folder.File("many.gpl") +
                                  " holds more colours than a palette takes: the first 256 were loaded, 4 were left out\n");
}

TEST_F(Tessmark, RefusesBadInputWithOneLineAndWritesNothing) {
  const std::string out = folder.File("never.png");
  const std::string bad = folder.File("bad.gccfg");
  test::WriteBytes(bad, Bytes(40, 'x'));
  EXPECT_EQ(Failure({"-o", out, "circle:count=x"}, 2),
            "tessmark: circle: count: 'x' is not a whole number (see tessmark --help)\n");
  EXPECT_EQ(Failure({"-o", out, "--config", bad}),
            "tessmark: cannot read " + bad + ": not a configuration file (its header is wrong)\n");
  EXPECT_EQ(Failure({"-o", out, "--config", folder.File("none.gccfg")}),
            "tessmark: cannot read " + folder.File("none.gccfg") + ": No such file or directory\n");
  EXPECT_EQ(Failure({"-o", out, "--palette", folder.File("none.gpal")}),
            "tessmark: cannot read " + folder.File("none.gpal") + ": No such file or directory\n");
  EXPECT_EQ(Failure({"-o", out, "--input", folder.File("none.png")}),
            "tessmark: cannot read " + folder.File("none.png") + ": No such file or directory\n");
  EXPECT_EQ(Failure({"-o", out, "tag:files=" + folder.File("gone.png")}),
            "tessmark: cannot read " + folder.File("gone.png") + ": No such file or directory\n");
  EXPECT_EQ(Failure({"-o", out, "--size", "2000000000x2000000000"}),
            "tessmark: a 2000000000x2000000000 picture is too large: at most 4 GiB of pixels\n");
  EXPECT_EQ(Failure({"-o", folder.File("missing/x.png"), "circle:count=1"}),
            "tessmark: cannot write " + folder.File("missing/x.png") + ": No such file or directory\n");
  EXPECT_EQ(Failure({"-o", out, "--input", bad}), "tessmark: cannot read " + bad + ": not a .bmp, .png, .jpg or .jpeg file name\n");
  EXPECT_EQ(FilesInFolder(), 1u);  // only bad.gccfg
}

TEST_F(Tessmark, HelpListsEveryOptionAndOperation) {
  test::CommandRun run;
  EXPECT_EQ(run({"--help"}), 0);
  const std::string help = run.Out.str();
  for (const char* word : {"--size", "--input", "--seed", "--config", "--palette", "--connectable", "--no-connectable",
                           "--mix", "--blend-color", "--threads", "-o", "@FILE", "circle:", "rect:", "polygon:", "vector:",
                           "circlemix:", "tag:", "fill:", "noise:", "mixemin", "monochromatique", "seed=", "mix=",
                           "connectable=", "colors=", "blendcolor=", "weight=", "Examples:"}) {
    EXPECT_NE(help.find(word), std::string::npos) << word;
  }
  EXPECT_TRUE(run.Errors.str().empty());
}

}  // namespace
}  // namespace tessmark
