#include "recipe/Operation.h"

#include <gtest/gtest.h>

#include "settings/RecordImage.h"

namespace tessmark {
namespace {

OperationStep Step(const std::string& text, OperationStep step = {}) {
  const auto operation = ParseOperation(text);
  EXPECT_TRUE(operation) << operation.Error;
  if (operation) ApplyOperation(*operation.Value, step);
  return step;
}

Settings Applied(const char* text) { return Step(text).Records; }

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

TEST(ParseOperation, ReadsTheFillColourModeAndWeight) {
  const OperationStep fill = Step("fill:color=102030,full=0,weight=77");
  EXPECT_EQ(fill.FillColor, (Color{0x10, 0x20, 0x30}));
  EXPECT_FALSE(fill.FillFull);
  EXPECT_EQ(fill.FillWeight, 77);
  // The fill's values and the seed are the operation's own; the next one starts without them.
  const OperationStep next = Step("fill:color=FFFFFF", Step("circle:seed=4,mix=10-20", fill));
  EXPECT_TRUE(next.FillFull);
  EXPECT_FALSE(next.FillWeight);
  EXPECT_FALSE(next.Seed);
  EXPECT_EQ(next.Records.MixRange.To, 20);
}

TEST(ParseOperation, EveryOperationTakesTheCommonKeys) {
  const OperationStep s = Step("rect:seed=4294967295,mix=30-80,connectable=0,colors=FF0000;00ff00,blendcolor=none");
  EXPECT_EQ(s.Seed, 4294967295u);
  EXPECT_EQ(s.Records.MixRange.From, 30);
  EXPECT_EQ(s.Records.Config.Connectable, 0);
  EXPECT_FALSE(s.Palette.AllColor);
  ASSERT_EQ(s.Palette.Count, 2);
  EXPECT_EQ(s.Palette.Colors[1], (Color{0, 255, 0}));
  EXPECT_EQ(s.Records.CurrentBlendColor, NoColorRef);
  EXPECT_TRUE(Step("noise:colors=all,blendcolor=0000FF", s).Palette.AllColor);
  EXPECT_EQ(Step("noise:blendcolor=0000FF").Records.CurrentBlendColor, 0xFF0000u);
}

TEST(ParseOperation, QuotesProtectSeparatorsInsideValues) {
  const Settings s = Applied(R"(tag:count=5,files="/My Pics/a,b.png";/tmp/c.png;x"\\y\"z".bmp)");
  EXPECT_EQ(s.Tag.PictureFiles, (PictureFiles{"/My Pics/a,b.png", "/tmp/c.png", R"(x\y"z.bmp)"}));
  EXPECT_EQ(Applied(R"(circle:count="12")").Circle.Count, 12);
  // \n and \r inside quotes only; other backslashes stay.
  EXPECT_EQ(Applied(R"(tag:files="a\nb\r\t\q";c\n)").Tag.PictureFiles, (PictureFiles{"a\nb\r\\t\\q", R"(c\n)"}));
}

TEST(WriteOperation, WritesEveryKeyTheOperationRunsWithAndReadsBack) {
  OperationStep step = Step("circle:raymin=2,raymax=9,count=7,seed=11,mix=30-80,connectable=0,colors=010203;A0B0C0");
  EXPECT_EQ(WriteOperation(step),
            "circle:raymin=2,raymax=9,count=7,seed=11,mix=30-80,connectable=0,colors=010203;A0B0C0");
  step = Step(R"(tag:count=3,files="/a b/x;y.png",blendcolor=none,seed=2)", step);
  EXPECT_EQ(WriteOperation(step), R"(tag:count=3,files="/a b/x;y.png",seed=2,mix=30-80,connectable=0,blendcolor=none)");
  EXPECT_EQ(WriteOperation(Step("fill:color=ff0000,full=0,weight=9")), "fill:color=FF0000,full=0,weight=9");
  EXPECT_EQ(WriteOperation(Step("fill:color=ff0000,weight=9")), "fill:color=FF0000,full=1");
  EXPECT_EQ(WriteOperation(Step("noise:percent=9,seed=3")), "noise:percent=9,germe=0,monochromatique=0,seed=3");
}

TEST(ParseOperation, ExplainsWhatItRefuses) {
  const std::pair<const char*, const char*> cases[] = {
      {"spiral", "unknown operation 'spiral' (one of circle, rect, polygon, vector, circlemix, tag, fill, noise)"},
      {"circle:radius=4",
       "circle: unknown key 'radius' (circle takes raymin, raymax, count; every operation seed, mix, connectable, "
       "colors, blendcolor)"},
      {"circle:count", "circle: count needs a value: count=..."},
      {"circle:count=ten", "circle: count: 'ten' is not a whole number"},
      {"polygon:fill=2", "polygon: fill: '2' is not 0 or 1"},
      {"fill", "fill: needs a colour: fill:color=RRGGBB"},
      {"fill:color=red", "fill: color: 'red' is not a colour RRGGBB"},
      {"tag:files=;", "tag: files: files needs at least one picture file"},
      {"tag:files=\"a.png", "tag: files: unterminated quote in \"a.png"},
      {"fill:color=000000,weight=256", "fill: weight: '256' is not a weight from 0 to 255"},
      {"circle:colors=", "circle: colors: give all, or 1 to 256 colours RRGGBB;RRGGBB;..."},
      {"circle:blendcolor=white", "circle: blendcolor: 'white' is not a colour RRGGBB or none"},
  };
  for (const auto& [text, message] : cases) EXPECT_EQ(ParseOperation(text).Error, message) << text;
}

}  // namespace
}  // namespace tessmark
