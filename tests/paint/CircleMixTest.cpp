#include <gtest/gtest.h>

#include "files/FileBytes.h"
#include "imageio/BmpFile.h"
#include "paint/PictureGenerators.h"
#include "picture/Rasterisers.h"
#include "support/PaintFixture.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

const std::string PluginDir = TESSMARK_PLUGIN_DIR;

class CircleMixTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
  test::PaintFixture fixture{128, 96};

  std::string Source(const std::string& name, const Picture& picture) {
    const std::string path = folder.File(name);
    EXPECT_EQ(WriteFileAtomically(path, *EncodeBmpFile(picture)), 0);
    return path;
  }
};

TEST_F(CircleMixTest, TheDefaultsLayOneDiscWithEightyPercentOfTheSourceAtItsCentre) {
  CircleMixParams params;
  params.PictureFiles = {Source("a.bmp", test::PatternPicture(150, 140))};
  const LoadedPicture source = *LoadPictureSources(params.PictureFiles, PluginDir).Pictures.begin();
  PaintContext context = fixture.Context(1234);
  ASSERT_FALSE(PaintCircleMix(context, params, PluginDir));

  RandomValue r(1234);
  const std::int32_t cx = r.Next() % 256, cy = r.Next() % 192;
  EXPECT_EQ(r.Next() % 1, 0);                      // the only source
  const std::int32_t radius = 32 + r.Next() % 32;  // MixeMin = MixeMax: no mix draw
  const std::int32_t sx = radius + r.Next() % (150 - 2 * radius), sy = radius + r.Next() % (140 - 2 * radius);
  Picture expected = test::WhitePicture(128, 96);
  StampDiscSample(Canvas{expected, true, 255}, cx, cy, source, sx, sy, radius, 80);
  EXPECT_TRUE(test::SamePixels(fixture.Target, expected));
  EXPECT_EQ(fixture.Random.Next(), r.Next());  // nothing else drawn, mixage 100 included

  const Point c = WrapCoordinates(128, 96, cx, cy);
  const std::uint8_t* s = source.At(sx, sy);
  EXPECT_EQ(test::PixelAt(fixture.Target, c.X, c.Y),
            (Color{BlendChannel(255, s[0], 204), BlendChannel(255, s[1], 204), BlendChannel(255, s[2], 204)}));
  EXPECT_EQ(fixture.Polls, 2);  // the one before loading and the one after the disc
}

TEST_F(CircleMixTest, DrawsMixAndRadiusOnlyFromRealRanges) {
  CircleMixParams params;
  params.MixeMin = 10;
  params.MixeMax = 60;
  params.RadiusMin = 5;
  params.RadiusMax = 5;
  params.PictureFiles = {Source("a.bmp", test::PatternPicture(30, 30)), Source("b.bmp", test::PatternPicture(40, 20))};
  const std::vector<LoadedPicture> sources = LoadPictureSources(params.PictureFiles, PluginDir).Pictures;
  fixture.MixRange = {20, 70};
  params.Count = 3;
  PaintContext context = fixture.Context(77);
  ASSERT_FALSE(PaintCircleMix(context, params, PluginDir));

  RandomValue r(77);
  Picture expected = test::WhitePicture(128, 96);
  for (int n = 0; n < 3; ++n) {
    const std::int32_t cx = r.Next() % 256, cy = r.Next() % 192;
    const LoadedPicture& source = sources[r.Next() % 2];
    const std::int32_t mix = 10 + r.Next() % 50;
    const std::int32_t sx = 5 + r.Next() % (source.Width - 10), sy = 5 + r.Next() % (source.Height - 10);
    const std::uint8_t weight = BlendWeightForPercent(20 + r.Next() % 50);
    StampDiscSample(Canvas{expected, true, weight}, cx, cy, source, sx, sy, 5, mix);
  }
  EXPECT_TRUE(test::SamePixels(fixture.Target, expected));
}

TEST_F(CircleMixTest, ADiscThatDoesNotFitIsSkippedButCountsAndPolls) {
  CircleMixParams params;
  params.RadiusMin = 50;
  params.RadiusMax = 50;
  params.PictureFiles = {Source("a.bmp", test::PatternPicture(100, 100))};
  PaintContext once = fixture.Context(5);
  ASSERT_FALSE(PaintCircleMix(once, params, PluginDir));
  EXPECT_TRUE(test::PaintedPixels(fixture.Target).empty());

  params.Count = 0;
  fixture.Polls = 0;
  fixture.StopAtPoll = 7;
  PaintContext untilEscape = fixture.Context(5);
  ASSERT_FALSE(PaintCircleMix(untilEscape, params, PluginDir));
  EXPECT_EQ(fixture.Polls, 7);
  EXPECT_TRUE(test::PaintedPixels(fixture.Target).empty());
  RandomValue r(5);
  for (int i = 0; i < 6 * 3; ++i) r.Next();  // centre x, y and source per skipped disc
  EXPECT_EQ(fixture.Random.Next(), r.Next());
}

TEST_F(CircleMixTest, StopsAtTheFirstFileThatFailsAndPaintsNothing) {
  CircleMixParams params;
  params.PictureFiles = {Source("a.bmp", test::PatternPicture(100, 100)), folder.File("missing.bmp"),
                         folder.File("also-missing.bmp")};
  PaintContext context = fixture.Context(5);
  const std::optional<SourceLoadFailure> failure = PaintCircleMix(context, params, PluginDir);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->Path, folder.File("missing.bmp"));
  ASSERT_TRUE(failure->Message);
  EXPECT_EQ(failure->Message->Caption, "accessfile");
  EXPECT_TRUE(test::PaintedPixels(fixture.Target).empty());
  EXPECT_EQ(fixture.Polls, 1);

  params.PictureFiles.clear();
  EXPECT_FALSE(PaintCircleMix(context, params, PluginDir));
  EXPECT_TRUE(test::PaintedPixels(fixture.Target).empty());
}

}  // namespace
}  // namespace tessmark
