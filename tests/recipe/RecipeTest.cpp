#include "recipe/Recipe.h"

#include <gtest/gtest.h>

#include "app/Workspace.h"
#include "files/FileBytes.h"
#include "imageio/BmpFile.h"
#include "paint/Fill.h"
#include "paint/Generators.h"
#include "paint/Noise.h"
#include "paint/PictureGenerators.h"
#include "recipe/Quoting.h"
#include "recipe/ResponseFile.h"
#include "support/CommandRun.h"
#include "support/PaintFixture.h"
#include "support/TempFolder.h"

namespace tessmark {
namespace {

// The desktop's commands on a workspace as its paint frame runs them: snapshot, a run seeded from
// a clock when painting starts, Escape at a given poll, one recorded entry.
class DesktopSession {
 public:
  template <class Paint> void Run(OperationKind kind, Paint paint, int escapeAtPoll = 0) {
    ASSERT_TRUE(TakeUndoSnapshot(w));
    std::optional<std::uint32_t> seed;
    int polls = 0;
    PaintContext context{*w.CurrentPicture, w.Connectable(), w.CurrentBlendWeight, w.Random, w.CurrentPalette,
                         w.Settings.MixRange, [&] { return ++polls == escapeAtPoll; },
                         [&] { return *(seed = clock++); }};
    paint(context);
    if (seed) RecordRun(w.PictureRecipe, kind, w.Settings, w.CurrentPalette, *seed, context.ShapesPainted);
  }

  void Fill(Color color, bool full) {
    ASSERT_TRUE(TakeUndoSnapshot(w));
    FillPicture(*w.CurrentPicture, color, full, w.Connectable(), w.CurrentBlendWeight);
    RecordFill(w.PictureRecipe, w.Settings, color, full, w.CurrentBlendWeight);
  }

  Workspace w;
  std::uint32_t clock = 1700000000;
};

class RecipeTest : public ::testing::Test {
 protected:
  // Writes the recipe, runs tessmark on it in-process and gives the picture it painted.
  Picture Repainted(const Recipe& recipe, std::string* text = nullptr) {
    const std::string path = folder.File("my recipe.txt");
    std::string failed;
    EXPECT_EQ(SaveRecipe(path, recipe, {"vornade 1.0", "2026-12-09 12:00:00 UTC", "my recipe.txt"}, failed), 0);
    const std::vector<std::uint8_t> written = ReadWholeFile(path, 1 << 20).Bytes;
    if (text) *text = std::string(written.begin(), written.end());
    test::CommandRun run;
    EXPECT_EQ(run({"-o", folder.File("out.bmp"), "@" + path}), 0) << run.Errors.str();
    std::optional<Picture> painted = DecodeBmpFile(ReadWholeFile(folder.File("out.bmp"), 1 << 24).Bytes);
    return painted ? std::move(*painted) : test::WhitePicture(1, 1);
  }

  test::TempFolder folder;
};

TEST_F(RecipeTest, ARecordedSessionIsPaintedAgainPixelForPixel) {
  // A picture file whose path holds a blank, a comma and a semicolon.
  const std::string stamp = folder.File("a b,c;d.bmp");
  Picture source = test::WhitePicture(12, 9);
  FillPicture(source, {250, 120, 0}, true, true, 255);
  test::WriteBytes(stamp, *EncodeBmpFile(source));
  DesktopSession s;
  StartNewPicture(s.w, test::WhitePicture(64, 48));
  Settings& records = s.w.Settings;
  records.MixRange = {30, 80};
  records.Circle.Count = 40;
  s.Run(OperationKind::Circle, [&](PaintContext& c) { PaintCircles(c, records.Circle); });
  AddColor(s.w.CurrentPalette, {200, 10, 10});
  AddColor(s.w.CurrentPalette, {10, 200, 10});
  s.w.CurrentPalette.AllColor = false;
  records.Polygon = {4, 12, 40, 90, 0, 1};
  s.Run(OperationKind::Polygon, [&](PaintContext& c) { PaintPolygons(c, records.Polygon); }, 25);
  s.Fill({0, 0, 255}, false);
  records.Noise = {0, 20, {}, 0};
  s.Run(OperationKind::Noise, [&](PaintContext& c) { NoiseFilter(c.Target, records.Noise, c.Random, c.Seed()); });
  records.Tag = {6, {stamp}};
  records.CurrentBlendColor = NoColorRef;
  s.Run(OperationKind::Tag, [&](PaintContext& c) { PaintTags(c, records.Tag, records.CurrentBlendColor, ""); });
  ASSERT_TRUE(RestoreUndoSnapshot(s.w));  // "Annuler": the tags go, with their entry
  records.Config.Connectable = 0;
  records.Vector.Count = 9;
  s.Run(OperationKind::Vector, [&](PaintContext& c) { PaintVectors(c, records.Vector); });
  records.Rectangle.Count = 15;
  s.Run(OperationKind::Rect, [&](PaintContext& c) { PaintRectangles(c, records.Rectangle); });
  records.CircleMix = {10, 90, 2, 4, 20, {stamp}};
  s.Run(OperationKind::CircleMix, [&](PaintContext& c) { PaintCircleMix(c, records.CircleMix, ""); });

  std::string text;
  EXPECT_TRUE(test::SamePixels(Repainted(s.w.PictureRecipe, &text), *s.w.CurrentPicture));
  EXPECT_EQ(text.substr(0, text.find("circle:")),
            "# Recipe of a picture, written by vornade 1.0 on 2026-12-09 12:00:00 UTC\n"
            "# Picture: 64x48\n"
            "# Run it with: tessmark -o picture.png @\"my recipe.txt\"\n"
            "--size 64x48\n");
  EXPECT_NE(text.find("\npolygon:raymin=4,raymax=12,angmin=40,angmax=90,count=24,fill=1,seed=1700000001,mix=30-80,"
                      "connectable=1,colors=C80A0A;0AC80A\nfill:color=0000FF,full=0,weight="),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("noise:percent=20,germe=0,monochromatique=0,seed=1700000002\nvector:"), std::string::npos) << text;
  EXPECT_NE(text.find("files=\"" + stamp + "\""), std::string::npos) << text;
  EXPECT_EQ(text.find("tag:"), std::string::npos) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4 + 7);
}

TEST_F(RecipeTest, AnImportedStartIsWrittenBesideTheRecipe) {
  DesktopSession s;
  Picture start = test::WhitePicture(40, 30);
  FillPicture(start, {9, 99, 199}, true, true, 255);
  StartTakenInPicture(s.w, std::move(start));
  s.w.Settings.Circle.Count = 12;
  s.Run(OperationKind::Circle, [&](PaintContext& c) { PaintCircles(c, s.w.Settings.Circle); });
  std::string text;
  EXPECT_TRUE(test::SamePixels(Repainted(s.w.PictureRecipe, &text), *s.w.CurrentPicture));
  EXPECT_NE(text.find("--input \"" + folder.File("my recipe-start.png") + "\"\n"), std::string::npos) << text;
  // A new picture starts a new recipe; undo brings the old one back with its picture.
  ASSERT_TRUE(TakeUndoSnapshot(s.w));
  StartNewPicture(s.w, test::WhitePicture(8, 8));
  EXPECT_TRUE(s.w.PictureRecipe.Steps.empty());
  ASSERT_TRUE(RestoreUndoSnapshot(s.w));
  EXPECT_EQ(s.w.PictureRecipe.Steps.size(), 1u);
  EXPECT_TRUE(s.w.PictureRecipe.Start.StartPicture);
}

TEST(RecipeText, PathsReadBackWhateverBytesTheyHold) {
  Settings settings;
  for (int c = 1; c < 256; ++c) {
    const std::string name = std::string("/p/a") + static_cast<char>(c) + "b";
    settings.Tag.PictureFiles = {name + ".png"};
    Recipe recipe = TakenInRecipe(test::WhitePicture(4, 4));
    RecordRun(recipe, OperationKind::Tag, settings, {}, 1, 1);
    const auto words = ResponseFileWords(RecipeText(recipe, {"", "", name + ".txt"}, name + "-start.png"), "r");
    ASSERT_TRUE(words) << c;
    ASSERT_EQ(words.Value->size(), 3u) << c;  // the header's lines stay comments
    EXPECT_EQ(Unquote((*words.Value)[1]).Value, name + "-start.png") << c;
    const Parsed<Operation> tag = ParseOperation((*words.Value)[2]);
    ASSERT_TRUE(tag) << c;
    OperationStep step;
    ApplyOperation(*tag.Value, step);
    EXPECT_EQ(step.Records.Tag.PictureFiles, settings.Tag.PictureFiles) << c;
  }
}

TEST_F(RecipeTest, AFailedWriteLeavesTheEarlierFilesAsTheyWere) {
  DesktopSession s;
  StartTakenInPicture(s.w, test::WhitePicture(8, 8));
  std::filesystem::create_directory(folder.File("r.txt"));  // the recipe's name is taken by a folder
  std::string failed;
  EXPECT_NE(SaveRecipe(folder.File("r.txt"), s.w.PictureRecipe, {}, failed), 0);
  EXPECT_EQ(failed, folder.File("r.txt"));
  EXPECT_FALSE(std::filesystem::exists(folder.File("r-start.png")));
  test::WriteText(folder.File("r-start.png"), "earlier start");
  EXPECT_NE(SaveRecipe(folder.File("r.txt"), s.w.PictureRecipe, {}, failed), 0);
  const std::vector<std::uint8_t> kept = ReadWholeFile(folder.File("r-start.png"), 100).Bytes;
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "earlier start");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path), {}), 2);
}

}  // namespace
}  // namespace tessmark
