#include "cli/Operation.h"

#include <gtest/gtest.h>

#include "dialogs/RecordImage.h"

namespace tessmark::cli {
namespace {

Settings Applied(const char* text) {
  const auto operation = ParseOperation(text);
  EXPECT_TRUE(operation) << operation.Error;
  Settings settings;
  if (operation) ApplyAssignments(*operation.Value, settings);
  return settings;
}

TEST(ParseOperation, StoresEachKeyInItsRecordWhateverTheCase) {
  const Settings s = Applied("CIRCLE:RayMin=3,raymax=90,Count=0");
  EXPECT_EQ(s.Circle.Raymin, 3);
  EXPECT_EQ(s.Circle.Raymax, 90);
  EXPECT_EQ(s.Circle.Count, 0);

  const Settings r = Applied("rect:xmin=1,ymin=2,xmax=3,ymax=4,count=5");
  EXPECT_EQ(EncodeImage(r.Rectangle), EncodeImage(RectangleParams{1, 2, 3, 4, 5}));

  const Settings p = Applied("polygon:raymin=1,raymax=2,angmin=90,angmax=90,count=-1,fill=1");
  EXPECT_EQ(p.Polygon.AngMin, 90);
  EXPECT_EQ(p.Polygon.Count, -1);
  EXPECT_EQ(p.Polygon.Fill, 1);

  const Settings v = Applied("vector:lengthmin=1,lengthmax=2,weightmin=3,weightmax=4,count=5,fill=0");
  EXPECT_EQ(v.Vector.WeightMax, 4);
  EXPECT_EQ(v.Vector.Fill, 0);

  const Settings n = Applied("noise:percent=300,germe=42,monochromatique=1");
  EXPECT_EQ(n.Noise.Percent, 44);  // the dialog keeps the low byte
  EXPECT_EQ(n.Noise.Germe, 42);
  EXPECT_EQ(n.Noise.Monochromatique, 1);
}

TEST(ParseOperation, LeavesUnnamedKeysAsTheyAre) {
  const Settings s = Applied("circle:count=10");
  EXPECT_EQ(s.Circle.Raymin, CircleParams{}.Raymin);
  EXPECT_EQ(EncodeImage(Applied("vector").Vector), EncodeImage(VectorParams{}));
}

TEST(ParseOperation, SplitsPictureFilesAtSemicolons) {
  const Settings s = Applied("circlemix:mixemin=10,mixemax=90,radiusmin=4,radiusmax=8,count=2,files=a.png;b c.bmp;");
  EXPECT_EQ(s.CircleMix.PictureFiles, (PictureFiles{"a.png", "b c.bmp"}));
  EXPECT_EQ(s.CircleMix.MixeMax, 90);
  EXPECT_EQ(Applied("tag:count=3,files=/x/t.jpg").Tag.PictureFiles, PictureFiles{"/x/t.jpg"});
}

TEST(ParseOperation, ReadsTheFillColourAndMode) {
  const auto fill = ParseOperation("fill:color=102030,full=0");
  ASSERT_TRUE(fill);
  EXPECT_EQ(fill.Value->FillColor, (Color{0x10, 0x20, 0x30}));
  EXPECT_FALSE(fill.Value->FillFull);
  EXPECT_TRUE(ParseOperation("fill:color=FFFFFF").Value->FillFull);
}

TEST(ParseOperation, ExplainsWhatItRefuses) {
  const std::pair<const char*, const char*> cases[] = {
      {"spiral", "unknown operation 'spiral' (one of circle, rect, polygon, vector, circlemix, tag, fill, noise)"},
      {"circle:radius=4", "circle: unknown key 'radius' (circle takes raymin, raymax, count)"},
      {"circle:count", "circle: count needs a value: count=..."},
      {"circle:count=ten", "circle: count: 'ten' is not a whole number"},
      {"polygon:fill=2", "polygon: fill: '2' is not 0 or 1"},
      {"fill", "fill: needs a colour: fill:color=RRGGBB"},
      {"fill:color=red", "fill: color: 'red' is not a colour RRGGBB"},
      {"tag:files=;", "tag: files: files needs at least one picture file"},
  };
  for (const auto& [text, message] : cases) EXPECT_EQ(ParseOperation(text).Error, message) << text;
}

}  // namespace
}  // namespace tessmark::cli
