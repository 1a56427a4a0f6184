#include <gtest/gtest.h>

#include "files/FileBytes.h"
#include "imageio/BmpFile.h"
#include "paint/PictureGenerators.h"
#include "picture/Rasterisers.h"
#include "support/PaintFixture.h"
#include "support/PngWriter.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

const std::string PluginDir = TESSMARK_PLUGIN_DIR;
const ColorRef White = 0x00FFFFFF;

class TagsTest : public ::testing::Test {
 protected:
  test::TempFolder folder;

  std::string Bmp(const std::string& name, const Picture& picture) {
    const std::string path = folder.File(name);
    EXPECT_EQ(WriteFileAtomically(path, *EncodeBmpFile(picture)), 0);
    return path;
  }
};

// A dark square on white: the stamp's background should never show.
Picture SquareOnWhite() {
  Picture picture = test::WhitePicture(12, 12);
  for (int y = 4; y < 8; ++y)
    for (int x = 4; x < 8; ++x) std::memset(picture.Row(y) + x * 3, 20, 3);
  return picture;
}

// The corners the generator must choose for a seed: the region's draws replayed by hand.
std::vector<Point> Corners(std::uint32_t seed, int count, int width, int height, bool connectable) {
  RandomValue r(seed);
  std::vector<Point> corners;
  for (int n = 0; n < count; ++n) {
    const int rx = r.Next() % (connectable ? 3 * width : width + width / 8);
    const int ry = r.Next() % (connectable ? 3 * height : height + height / 8);
    corners.push_back(connectable ? Point{rx - width, ry - height} : Point{rx - width / 8, ry - height / 8});
    r.Next();  // the source
  }
  return corners;
}

TEST_F(TagsTest, StampsAtCornersOfThePolygonRegionInBothModes) {
  const TagParams params{40, {Bmp("a.bmp", test::PatternPicture(9, 5))}};
  const LoadedPicture source = LoadPictureSources(params.PictureFiles, PluginDir).Pictures[0];
  for (bool connectable : {true, false}) {
    test::PaintFixture fixture(512, 512);
    fixture.Connectable = connectable;
    PaintContext context = fixture.Context(99);
    ASSERT_FALSE(PaintTags(context, params, NoColorRef, PluginDir));
    Picture expected = test::WhitePicture(512, 512);
    int lowest = 0, highest = 0;
    for (const Point& p : Corners(99, 40, 512, 512, connectable)) {
      StampPicture(Canvas{expected, connectable, 255}, p.X, p.Y, source, NoColorRef);
      lowest = std::min({lowest, p.X, p.Y});
      highest = std::max({highest, p.X, p.Y});
    }
    EXPECT_TRUE(test::SamePixels(fixture.Target, expected)) << connectable;
    if (!connectable) {
      EXPECT_GE(lowest, -64);
      EXPECT_LE(highest, 511);
    }
  }
}

TEST_F(TagsTest, BmpBackgroundsNeverShowAndTheKeyColourIsSkippedUnlessThereIsNone) {
  const Picture square = SquareOnWhite();
  const std::vector<std::uint16_t> samples(square.Pixels(), square.Pixels() + square.ByteCount());
  const std::string png = folder.File("a.png");
  ASSERT_EQ(WriteFileAtomically(png, test::EncodeTestPng({.Width = 12, .Height = 12}, samples)), 0);
  const std::string bmp = Bmp("a.bmp", square);
  struct Case {
    std::string File;
    ColorRef Key;
    bool WhiteLaid;
  };
  for (const Case& c : {Case{bmp, NoColorRef, false}, Case{bmp, 0x00123456, false}, Case{png, White, false},
                        Case{png, NoColorRef, true}}) {
    test::PaintFixture fixture(40, 40);
    std::memset(fixture.Target.Pixels(), 100, fixture.Target.ByteCount());
    const TagParams params{30, {c.File}};
    PaintContext context = fixture.Context(3);
    ASSERT_FALSE(PaintTags(context, params, c.Key, PluginDir));
    bool anyWhite = false, anyDark = false;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        const Color p = test::PixelAt(fixture.Target, x, y);
        anyWhite |= p == Color{255, 255, 255};
        anyDark |= p == Color{20, 20, 20};
      }
    EXPECT_TRUE(anyDark) << c.File;
    EXPECT_EQ(anyWhite, c.WhiteLaid) << c.File << " key " << c.Key;
  }
}

TEST_F(TagsTest, ReportsTheFirstFileThatFailsWithItsMessageOrNone) {
  const std::string a = Bmp("a.bmp", test::PatternPicture(3, 3));
  test::PaintFixture fixture(32, 32);
  PaintContext context = fixture.Context(8);
  const std::optional<SourceLoadFailure> failure =
      PaintTags(context, TagParams{5, {a, folder.File("b.png"), folder.File("c.jpg")}}, White, PluginDir);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->Path, folder.File("b.png"));
  EXPECT_TRUE(test::PaintedPixels(fixture.Target).empty());

  const std::string empty = folder.File("empty.jpg");
  ASSERT_EQ(WriteFileAtomically(empty, std::vector<std::uint8_t>{}), 0);
  const std::optional<SourceLoadFailure> silent = PaintTags(context, TagParams{5, {empty}}, White, PluginDir);
  ASSERT_TRUE(silent);
  EXPECT_FALSE(silent->Message);
}

}  // namespace
}  // namespace tessmark
