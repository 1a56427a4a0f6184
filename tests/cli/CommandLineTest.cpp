#include "cli/CommandLine.h"

#include <gtest/gtest.h>

namespace tessmark::cli {
namespace {

Parsed<CommandLine> Parse(std::vector<std::string> args) { return ParseCommandLine(args); }

TEST(ParseCommandLine, ReadsEveryOption) {
  const auto parsed = Parse({"--size", "640x480", "--seed=12", "--config", "a.gccfg", "--palette", "p.gpal",
                             "--no-connectable", "--mix", "20-80", "--blend-color", "FF0000", "--threads", "3", "-o", "out.PNG",
                             "circle:count=5", "noise"});
  ASSERT_TRUE(parsed) << parsed.Error;
  const CommandLine& line = *parsed.Value;
  EXPECT_EQ(line.Size->Width, 640);
  EXPECT_EQ(line.Seed, 12u);
  EXPECT_EQ(line.ConfigFile, "a.gccfg");
  EXPECT_EQ(line.PaletteFile, "p.gpal");
  EXPECT_EQ(line.Connectable, false);
  EXPECT_EQ(line.MixRange->From, 20);
  EXPECT_EQ(line.MixRange->To, 80);
  EXPECT_EQ(line.BlendColor, 0x0000FFu);  // red in the lowest byte
  EXPECT_EQ(line.Threads, 3);
  EXPECT_EQ(line.OutputFile, "out.PNG");
  EXPECT_EQ(line.Format, OutputFormat::Png);
  ASSERT_EQ(line.Operations.size(), 2u);
  EXPECT_EQ(line.Operations[1].Kind, OperationKind::Noise);
}

TEST(ParseCommandLine, LeavesWhatIsNotGivenToTheConfiguration) {
  const auto parsed = Parse({"-o", "x.bmp", "--input", "in.jpg", "--blend-color=none"});
  ASSERT_TRUE(parsed) << parsed.Error;
  EXPECT_FALSE(parsed.Value->Size);
  EXPECT_FALSE(parsed.Value->Seed);
  EXPECT_FALSE(parsed.Value->Connectable);
  EXPECT_FALSE(parsed.Value->MixRange);
  EXPECT_EQ(parsed.Value->BlendColor, NoColorRef);
  EXPECT_EQ(parsed.Value->InputFile, "in.jpg");
  EXPECT_EQ(parsed.Value->Format, OutputFormat::Bmp);
}

TEST(ParseCommandLine, TheLastConnectableOptionWins) {
  EXPECT_EQ(Parse({"--no-connectable", "--connectable", "-o", "a.jpg"}).Value->Connectable, true);
}

TEST(ParseCommandLine, HelpNeedsNothingElse) {
  EXPECT_TRUE(Parse({"circle", "--help"}).Value->Help);
  EXPECT_TRUE(Parse({"-h"}).Value->Help);
}

TEST(FormatOfFile, FollowsTheExtensionInAnyCase) {
  EXPECT_EQ(FormatOfFile("a.JPG"), OutputFormat::Jpeg);
  EXPECT_EQ(FormatOfFile("a.jpeg"), OutputFormat::Jpeg);
  EXPECT_EQ(FormatOfFile("dir.png/a.Bmp"), OutputFormat::Bmp);
  EXPECT_EQ(FormatOfFile("a.gif"), std::nullopt);
  EXPECT_EQ(FormatOfFile("png"), std::nullopt);
}

TEST(ParseCommandLine, ExplainsWhatItRefusesInOneLine) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"circle"}, "no output file: give -o OUT.jpg, OUT.png or OUT.bmp"},
      {{"-o", "a.gif"}, "-o: 'a.gif' does not end in .jpg, .png or .bmp"},
      {{"-o", "a.png", "--size", "2x2"}, "--size: The picture should be have a minimum size 4,4"},
      {{"-o", "a.png", "--size", "big"}, "--size: 'big' is not a size WIDTHxHEIGHT"},
      {{"-o", "a.png", "--seed"}, "--seed needs a value"},
      {{"-o", "a.png", "--seed", "-3"}, "--seed: '-3' is not a seed from 0 to 4294967295"},
      {{"-o", "a.png", "--blend-color", "white"}, "--blend-color: 'white' is not a colour RRGGBB"},
      {{"-o", "a.png", "--threads", "0"}, "--threads: '0' is not a number of threads from 1 to 256"},
      {{"-o", "a.png", "--threads=257"}, "--threads: '257' is not a number of threads from 1 to 256"},
      {{"-o", "a.png", "--frobnicate"}, "unknown option '--frobnicate'"},
      {{"-o", "a.png", "--input", ""}, "--input: needs a file name"},
      {{"-o", "a.png", "--size", "8x8", "--input", "a.bmp"}, "--size and --input cannot be used together"},
      {{"-o", "a.png", "rect:count=x"}, "rect: count: 'x' is not a whole number"},
  };
  for (const auto& [args, message] : cases) {
    const auto parsed = Parse(args);
    EXPECT_FALSE(parsed);
    EXPECT_EQ(parsed.Error, message);
    EXPECT_EQ(parsed.Error.find('\n'), std::string::npos);
  }
}

}  // namespace
}  // namespace tessmark::cli
