#include "palette/PaletteFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace tessmark {
namespace {

namespace fs = std::filesystem;

class PaletteFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("palette-file-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Path(const char* name) const { return (folder_ / name).string(); }

  void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }

  std::vector<std::uint8_t> ReadBytes(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::size_t FileCount() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {})); }

  fs::path folder_;
};

Palette ThreeColors() {
  Palette palette;
  AddColor(palette, {10, 20, 30});
  AddColor(palette, {40, 50, 60});
  AddColor(palette, {10, 20, 30});
  palette.AllColor = false;
  return palette;
}

TEST_F(PaletteFileTest, WritesTheCountThenTheEntriesInOrder) {
  ASSERT_TRUE(SavePaletteFile(Path("a.gpal"), ThreeColors()).Ok);
  EXPECT_EQ(ReadBytes(Path("a.gpal")), (std::vector<std::uint8_t>{3, 10, 20, 30, 40, 50, 60, 10, 20, 30}));
}

TEST_F(PaletteFileTest, RoundTripKeepsColoursAndDuplicatesButNotAllColor) {
  ASSERT_TRUE(SavePaletteFile(Path("a.gpal"), ThreeColors()).Ok);
  Palette loaded;
  ASSERT_TRUE(LoadPaletteFile(Path("a.gpal"), loaded).Ok);
  EXPECT_TRUE(loaded.AllColor);
  ASSERT_EQ(loaded.Count, 3);
  const Palette original = ThreeColors();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(loaded.Colors[i], original.Colors[i]);
  EXPECT_FALSE(ReplaceColor(loaded, 1, {10, 20, 30}));
}

TEST_F(PaletteFileTest, RoundTripOfTheLargestFileAndTheEmptyPalette) {
  Palette full;
  for (int i = 0; i < PaletteFileMaxColors; ++i) AddColor(full, {std::uint8_t(i), std::uint8_t(255 - i), 7});
  ASSERT_TRUE(SavePaletteFile(Path("full.gpal"), full).Ok);
  EXPECT_EQ(ReadBytes(Path("full.gpal")).size(), 1u + 3 * 255);
  Palette loaded;
  ASSERT_TRUE(LoadPaletteFile(Path("full.gpal"), loaded).Ok);
  EXPECT_EQ(loaded.Count, 255);
  EXPECT_EQ(loaded.Colors[254], full.Colors[254]);

  ASSERT_TRUE(SavePaletteFile(Path("empty.gpal"), Palette{}).Ok);
  EXPECT_EQ(ReadBytes(Path("empty.gpal")), std::vector<std::uint8_t>{0});
  ASSERT_TRUE(LoadPaletteFile(Path("empty.gpal"), loaded).Ok);
  EXPECT_EQ(loaded.Count, 0);
}

TEST_F(PaletteFileTest, AFullPaletteIsRefusedAndTheOldFileStays) {
  WriteBytes(Path("old.gpal"), {1, 9, 9, 9});
  Palette full;
  for (int i = 0; i < PaletteCapacity; ++i) AddColor(full, {std::uint8_t(i), 0, 0});
  const PaletteFileResult result = SavePaletteFile(Path("old.gpal"), full);
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Message.Text, "The palette file holds at most 255 colours");
  EXPECT_EQ(result.Message.Caption, "TessmarkPalette");
  EXPECT_EQ(ReadBytes(Path("old.gpal")), (std::vector<std::uint8_t>{1, 9, 9, 9}));
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(PaletteFileTest, AFailedSaveLeavesNothingBehindAndSaysWhy) {
  const PaletteFileResult result = SavePaletteFile(Path("missing/a.gpal"), ThreeColors());
  EXPECT_FALSE(result.Ok);
  EXPECT_NE(result.Message.Text.find("missing/a.gpal"), std::string::npos);
  EXPECT_EQ(FileCount(), 0u);
}

TEST_F(PaletteFileTest, AFailedLoadLeavesThePaletteUnchanged) {
  Palette palette = ThreeColors();
  PaletteFileResult result = LoadPaletteFile(Path("nothing.gpal"), palette);
  EXPECT_FALSE(result.Ok);
  EXPECT_NE(result.Message.Text.find("nothing.gpal"), std::string::npos);
  EXPECT_EQ(palette.Count, 3);

  result = LoadPaletteFile(folder_.string(), palette);  // a folder is no palette file
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(palette.Count, 3);

  WriteBytes(Path("huge.gpal"), std::vector<std::uint8_t>((1 << 20) + 1, 1));
  EXPECT_FALSE(LoadPaletteFile(Path("huge.gpal"), palette).Ok);
  EXPECT_EQ(palette.Count, 3);
  EXPECT_EQ(palette.Colors[1], (PaletteColor{40, 50, 60}));
}

TEST_F(PaletteFileTest, AnEmptyFileOrAZeroCountLoadsAnEmptyPalette) {
  WriteBytes(Path("empty.gpal"), {});
  WriteBytes(Path("zero.gpal"), {0, 1, 2, 3});
  Palette palette = ThreeColors();
  ASSERT_TRUE(LoadPaletteFile(Path("empty.gpal"), palette).Ok);
  EXPECT_EQ(palette.Count, 0);
  palette = ThreeColors();
  ASSERT_TRUE(LoadPaletteFile(Path("zero.gpal"), palette).Ok);
  EXPECT_EQ(palette.Count, 0);
}

TEST_F(PaletteFileTest, AShortFileKeepsItsCountAndReplacesOnlyTheBytesItHolds) {
  // Count 3, one whole entry and the red byte of the second.
  WriteBytes(Path("short.gpal"), {3, 1, 2, 3, 4});
  Palette palette = ThreeColors();
  ASSERT_TRUE(LoadPaletteFile(Path("short.gpal"), palette).Ok);
  EXPECT_EQ(palette.Count, 3);
  EXPECT_EQ(palette.Colors[0], (PaletteColor{1, 2, 3}));
  EXPECT_EQ(palette.Colors[1], (PaletteColor{4, 50, 60}));
  EXPECT_EQ(palette.Colors[2], (PaletteColor{10, 20, 30}));
}

TEST_F(PaletteFileTest, BytesAfterTheEntriesAreIgnored) {
  WriteBytes(Path("long.gpal"), {1, 7, 8, 9, 100, 101, 102, 103});
  Palette palette = ThreeColors();
  ASSERT_TRUE(LoadPaletteFile(Path("long.gpal"), palette).Ok);
  EXPECT_EQ(palette.Count, 1);
  EXPECT_EQ(palette.Colors[0], (PaletteColor{7, 8, 9}));
  EXPECT_EQ(palette.Colors[1], (PaletteColor{40, 50, 60}));
}

}  // namespace
}  // namespace tessmark
