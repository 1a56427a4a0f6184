#include <gtest/gtest.h>

#include "files/FileBytes.h"
#include "imageio/BmpFile.h"
#include "recipe/OperationTable.h"
#include "recipe/RecipeValues.h"
#include "support/CommandRun.h"
#include "support/PaintFixture.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

// Every operation of the table, painted at several thread counts, must leave the same bytes and
// the same painting state: pixels, the blend weight, the random source and the shapes counted. A
// pool runs no more threads than the machine has cores: on two, every count above 1 runs two.

struct Painted {
  Picture Pixels;
  std::uint8_t Weight;
  std::int32_t NextDraw;
  std::int64_t Shapes;
};

// Run to the count, or stopped by Escape at a chosen poll with a count of 0; the picture is
// asked for now and then, as the live view does.
struct Stopping {
  std::int32_t Count;
  int StopAtPoll;
};
constexpr Stopping Stops[] = {{700, 0}, {0, 311}};

class EveryThreadCount : public ::testing::Test {
 protected:
  test::TempFolder folder;

  // Small shapes, which are held back in batches, and larger ones painted as they come.
  OperationStep StepFor(const OperationRow& row, bool connectable, Stopping stop) {
    OperationStep step;
    step.Kind = row.Kind;
    Settings& s = step.Records;
    s.Config.Connectable = connectable ? 1 : 0;
    s.MixRange = {20, 80};
    s.Circle = {2, 24, 0};
    s.Polygon = {4, 24, 20, 90, 0, 1, {}};
    s.Vector = {4, 60, 2, 12, 0, 0, {}};
    s.CircleMix = {30, 90, 3, 20, 0, {}};
    s.Noise = {0, 30, {}, 0};
    step.FillColor = {30, 140, 220};
    step.FillFull = false;
    if (row.Count) *row.Count(s) = stop.Count;
    if (row.Files) *row.Files(s) = {Stamp()};
    return step;
  }

  std::string Stamp() {
    const std::string path = folder.File("stamp.bmp");
    EXPECT_EQ(WriteFileAtomically(path, *EncodeBmpFile(test::PatternPicture(40, 36))), 0);
    return path;
  }
};

Painted Paint(const OperationRow& row, const OperationStep& step, int stopAtPoll, WorkerPool& workers) {
  test::PaintFixture f;
  f.Target = test::PatternPicture(300, 220);
  f.Connectable = step.Records.Config.Connectable != 0;
  f.MixRange = step.Records.MixRange;
  f.BlendWeight = 99;
  f.StopAtPoll = stopAtPoll;
  PaintContext context = f.Context(4242);
  context.PictureWanted = [n = 0]() mutable { return ++n % 97 == 0; };
  context.Workers = &workers;
  EXPECT_FALSE(row.Run(context, step, "").Failure);
  return {std::move(f.Target), f.BlendWeight, f.Random.Next(), context.ShapesPainted};
}

TEST_F(EveryThreadCount, PaintsEveryOperationByteForByte) {
  for (const OperationRow& row : OperationRows()) {
    for (const bool connectable : {true, false}) {
      for (const Stopping stop : row.Count ? std::span(Stops) : std::span(Stops).first(1)) {
        const OperationStep step = StepFor(row, connectable, stop);
        WorkerPool alone(1);
        const Painted expected = Paint(row, step, stop.StopAtPoll, alone);
        for (const std::int32_t threads : {2, 3, 8}) {
          WorkerPool workers(threads);
          const Painted painted = Paint(row, step, stop.StopAtPoll, workers);
          const auto where = testing::Message() << row.Name << ", connectable " << connectable << ", count "
                                                << stop.Count << ", " << threads << " threads";
          EXPECT_TRUE(test::SamePixels(expected.Pixels, painted.Pixels)) << where;
          EXPECT_EQ(expected.Weight, painted.Weight) << where;
          EXPECT_EQ(expected.NextDraw, painted.NextDraw) << where;
          EXPECT_EQ(expected.Shapes, painted.Shapes) << where;
        }
      }
    }
  }
}

// A recoloured run of every operation with a palette map taking noise, an ID mask and a normal
// map: each file written at every count.
TEST_F(EveryThreadCount, WritesARunsMapsByteForByte) {
  const std::string grey = folder.File("grey.gpl"), three = folder.File("three.gpl");
  test::WriteText(grey, "GIMP Palette\n0 0 0\n128 128 128\n255 255 255\n");
  test::WriteText(three, "GIMP Palette\n10 20 30\n200 100 50\n0 255 0\n");
  const std::string stamp = Stamp();
  const auto written = [&](std::int32_t threads) {
    const std::string out = folder.File(Concat("t", std::to_string(threads), ".bmp"));
    test::CommandRun run;
    EXPECT_EQ(run({"--seed", "3", "--size", "230x170", "--mix", "20-80", "--threads", std::to_string(threads), "-o", out,
                   "--recolor", grey, "--map", Concat("h=", three, ",start=000000,fill=808080,noise=1"), "--map",
                   "ids=id", "--normal", "n=h", "circle:count=900,raymax=20", "rect:count=200", "polygon:count=60",
                   "vector:count=60", Concat("tag:count=30,files=", stamp),
                   Concat("circlemix:count=200,radiusmax=15,files=", stamp), "fill:color=336699,full=0",
                   "noise:percent=10"}),
              0)
        << run.Errors.str();
    std::vector<std::vector<std::uint8_t>> files;
    for (const char* name : {"", "-h", "-ids", "-n"}) {
      files.push_back(ReadWholeFile(Concat(out.substr(0, out.size() - 4), name, ".bmp"), 1 << 24).Bytes);
    }
    return files;
  };
  const auto alone = written(1);
  for (const std::int32_t threads : {2, 3, 8}) EXPECT_EQ(written(threads), alone) << threads << " threads";
}

}  // namespace
}  // namespace tessmark
