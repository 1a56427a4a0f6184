#include "recipe/PngRecipe.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "imageio/PngFile.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t ChunkStart = 8 + 25;  // after the signature and IHDR

Bytes Encoded(std::string_view recipe) {
  Bytes file;
  EXPECT_TRUE(StreamPngFileWithRecipe(test::PatternPicture(8, 8), [&](std::span<const std::uint8_t> piece) {
    file.insert(file.end(), piece.begin(), piece.end());
  }, recipe));
  return file;
}

// One byte of the chunk's stream changed and the chunk checksummed again, as a careless writer would.
Bytes WithDamagedStream(Bytes file) {
  const std::size_t length = std::size_t{file[ChunkStart + 2]} << 8 | file[ChunkStart + 3];
  file[ChunkStart + 8 + RecipeChunkKeyword.size() + 4] ^= 0x55;
  const std::uint32_t sum = static_cast<std::uint32_t>(crc32_z(0, &file[ChunkStart + 4], length + 4));
  for (int i = 0; i < 4; ++i) file[ChunkStart + 8 + length + i] = static_cast<std::uint8_t>(sum >> (24 - 8 * i));
  return file;
}

TEST(PngRecipe, AnyBytesComeBackTheSameEachTime) {
  const std::string recipe("--size 8x8\ncircle:files=\"a\\\"b\"\n\0\xff\xfe\x80 end\n", 39);
  const Bytes file = Encoded(recipe);
  EXPECT_EQ(ReadPngRecipe(file).Value, recipe);
  EXPECT_EQ(Encoded(recipe), file);
}

TEST(PngRecipe, RefusesWhatIsNoRecipeWithItsReason) {
  const Bytes good = Encoded(std::string(3000, 'x'));
  Bytes badSum = good;
  badSum[ChunkStart + 12] ^= 1;
  const struct {
    Bytes File;
    std::string_view Reason;
  } cases[] = {
      {{'G', 'I', 'F', '8'}, "not a PNG file"},
      {*EncodePngFile(test::PatternPicture(8, 8)), "carries no recipe"},
      {Bytes(good.begin(), good.begin() + ChunkStart + 20), "cut off before its pixels"},
      {badSum, "a chunk is damaged"},
      {WithDamagedStream(good), "its recipe chunk is damaged"},
      {Encoded(std::string(MaxPngRecipeBytes + 1, ' ')), "its recipe is too large"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadPngRecipe(c.File).Error, c.Reason);
}

TEST(PngRecipe, MaySayHowThePictureWasPaintedAndNothingMore) {
  EXPECT_EQ(StrayRecipeWord({"--size", "8x8", "--input=-a.png", "--input", "-b.png", "circle:count=5"}), "");
  for (const char* stray : {"-o", "--output=x.png", "--config", "@more.txt"})
    EXPECT_EQ(StrayRecipeWord({"--size", "8x8", stray, "circle"}), stray);
}

}  // namespace
}  // namespace tessmark
