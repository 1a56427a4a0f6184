#include "palette/GimpPalette.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "palette/PaletteFile.h"
#include "support/TempFolder.h"

namespace tessmark {
namespace {

GimpPaletteRead Read(std::string_view text, Palette& palette) {
  return ReadGimpPalette({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, palette);
}

std::vector<PaletteColor> Colors(const Palette& palette) { return {palette.Colors.begin(), palette.Colors.begin() + palette.Count}; }

TEST(GimpPalette, ReadsColoursInFileOrderWithDuplicatesPastCommentsNamesAndLineEnds) {
  Palette palette;
  const GimpPaletteRead read = Read(
      "\xEF\xBB\xBFGIMP Palette\r\nName: Warm things\r\nColumns: 4\r\n#\r\n# a comment\r\n\r\n"
      "255   0  0\tred\r\n  0 128 255 sky blue  \r\n\t255 0 0\r\n  \r\n7 8 9",
      palette);
  EXPECT_TRUE(read.Ok) << read.Problem;
  EXPECT_EQ(read.LeftOut, 0);
  EXPECT_EQ(Colors(palette), (std::vector<PaletteColor>{{255, 0, 0}, {0, 128, 255}, {255, 0, 0}, {7, 8, 9}}));
  EXPECT_TRUE(palette.AllColor);
}

TEST(GimpPalette, RefusesWhatIsNotAGimpPaletteNamingTheLineAndKeepsThePalette) {
  const struct {
    const char* Text;
    std::int32_t Line;
    const char* Problem;
  } cases[] = {
      {"", 1, "not a GIMP palette: the first line must be \"GIMP Palette\""},
      {"\x01\x02\x03", 1, "not a GIMP palette: the first line must be \"GIMP Palette\""},
      {"GIMP Palette\n1 2 300 hot\n", 2, "300 is outside 0 to 255"},
      {"GIMP Palette\n#\n1 2 99999999999999999999\n", 3, "999999999999... is outside 0 to 255"},
      {"GIMP Palette\n1 2\n", 2, "a colour needs three whole numbers 0 to 255 (red, green, blue)"},
      {"GIMP Palette\n1 2 3\n1 -2 3\n", 3, "a colour needs three whole numbers 0 to 255 (red, green, blue)"},
      {"GIMP Palette\n1 2 3x\n", 2, "a colour needs three whole numbers 0 to 255 (red, green, blue)"},
      {"GIMP Palette\nDescription: warm\n", 2, "a colour needs three whole numbers 0 to 255 (red, green, blue)"},
  };
  for (const auto& c : cases) {
    Palette palette;
    AddColor(palette, {1, 1, 1});
    const GimpPaletteRead read = Read(c.Text, palette);
    EXPECT_FALSE(read.Ok) << c.Text;
    EXPECT_EQ(read.Line, c.Line) << c.Text;
    EXPECT_EQ(read.Problem, c.Problem) << c.Text;
    EXPECT_EQ(Colors(palette), (std::vector<PaletteColor>{{1, 1, 1}})) << c.Text;
  }
}

TEST(GimpPalette, KeepsTheFirst256ColoursAndSaysHowManyWereLeftOut) {
  test::TempFolder folder;
  std::string text = "GIMP Palette\n";
  for (int i = 0; i < 300; ++i) text += std::to_string(i % 256) + " " + std::to_string(i / 256) + " 0\n";
  std::ofstream(folder.File("big.GPL")) << text;
  Palette palette;
  const PaletteFileResult result = LoadPaletteFile(folder.File("big.GPL"), palette);
  EXPECT_TRUE(result.Ok);
  EXPECT_EQ(result.LeftOut, 44);
  EXPECT_EQ(result.Message.Text, folder.File("big.GPL") +
                                     " holds more colours than a palette takes: the first 256 were loaded, 44 were left out");
  ASSERT_EQ(palette.Count, 256);
  EXPECT_EQ(palette.Colors[255], (PaletteColor{255, 0, 0}));

  std::ofstream(folder.File("bad.gpl")) << "GIMP Palette\nName: x\n1 2 3\n4 5\n";
  const PaletteFileResult bad = LoadPaletteFile(folder.File("bad.gpl"), palette);
  EXPECT_FALSE(bad.Ok);
  EXPECT_EQ(bad.Message.Text, "Cannot read the palette file " + folder.File("bad.gpl") +
                                  ": line 4: a colour needs three whole numbers 0 to 255 (red, green, blue)");
  EXPECT_EQ(palette.Count, 256);
}

TEST(GimpPalette, SavedPaletteIsGimpTextThatReadsBackTheSameColours) {
  test::TempFolder folder;
  Palette two;
  AddColor(two, {255, 0, 16});
  AddColor(two, {7, 80, 9});
  ASSERT_TRUE(SavePaletteFile(folder.File("warm.gpl"), two).Ok);
  std::ifstream in(folder.File("warm.gpl"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
            "GIMP Palette\nName: warm\nColumns: 16\n#\n255   0  16\t#ff0010\n  7  80   9\t#075009\n");
  EXPECT_EQ(WriteGimpPalette(Palette{}, "two\nlines"), "GIMP Palette\nName: two lines\nColumns: 16\n#\n");

  Palette full;
  AddRandomColors(full, 256, 11);
  full.Colors[3] = full.Colors[2];
  ASSERT_TRUE(SavePaletteFile(folder.File("full.gpl"), full).Ok) << "256 colours fit a GIMP palette";
  Palette loaded;
  ASSERT_TRUE(LoadPaletteFile(folder.File("full.gpl"), loaded).Ok);
  EXPECT_EQ(Colors(loaded), Colors(full));
}

TEST(GimpPalette, EveryPaletteOfGimpDataLoads) {
  const std::filesystem::path folder = "/usr/share/gimp/2.0/palettes";
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << "scripts/install-deps installs gimp-data";
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (!IsGimpPalettePath(entry.path().string())) continue;
    Palette palette;
    const PaletteFileResult result = LoadPaletteFile(entry.path().string(), palette);
    EXPECT_TRUE(result.Ok) << result.Message.Text;
    EXPECT_GT(palette.Count, 0) << entry.path();
    ++files;
  }
  EXPECT_GE(files, 40);
}

}  // namespace
}  // namespace tessmark
