#include "recipe/PngRecipe.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string_view>

#include "imageio/PngFile.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t AfterHeader = 8 + 25;  // signature and IHDR

void PutBigEndian(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// The file with one more chunk after its header, checksummed as a writer would.
Bytes WithChunk(Bytes file, std::string_view type, const Bytes& data) {
  Bytes chunk;
  PutBigEndian(chunk, static_cast<std::uint32_t>(data.size()));
  chunk.insert(chunk.end(), type.begin(), type.end());
  chunk.insert(chunk.end(), data.begin(), data.end());
  PutBigEndian(chunk, static_cast<std::uint32_t>(crc32_z(0, chunk.data() + 4, chunk.size() - 4)));
  file.insert(file.begin() + AfterHeader, chunk.begin(), chunk.end());
  return file;
}

Bytes RecipeChunkData(const Bytes& stream) {
  Bytes data(RecipeChunkKeyword.begin(), RecipeChunkKeyword.end());
  data.insert(data.end(), {0, 0});
  data.insert(data.end(), stream.begin(), stream.end());
  return data;
}

Bytes Deflated(const Bytes& text) {
  uLongf size = compressBound(text.size());
  Bytes out(size);
  compress(out.data(), &size, text.data(), text.size());
  out.resize(size);
  return out;
}

Bytes Encoded(const Picture& picture, std::string_view recipe) {
  Bytes file;
  EXPECT_TRUE(StreamPngFileWithRecipe(picture, [&](std::span<const std::uint8_t> piece) {
    file.insert(file.end(), piece.begin(), piece.end());
  }, recipe));
  return file;
}

TEST(PngRecipe, AnyBytesComeBackAndNoPixelChanges) {
  const Picture picture = test::PatternPicture(23, 9);
  const std::string recipe("--size 23x9\ncircle:files=\"a\\\"b\"\n\0\xff\xfe\x80 end\n", 40);
  const Bytes carrying = Encoded(picture, recipe);
  const Parsed<std::string> read = ReadPngRecipe(carrying);
  ASSERT_TRUE(read) << read.Error;
  EXPECT_EQ(*read.Value, recipe);
  // Only the chunk sets the two files apart.
  const Bytes plain = *EncodePngFile(picture);
  ASSERT_GT(carrying.size(), plain.size());
  Bytes withoutChunk(carrying.begin(), carrying.begin() + AfterHeader);
  withoutChunk.insert(withoutChunk.end(), carrying.end() - static_cast<std::ptrdiff_t>(plain.size() - AfterHeader),
                      carrying.end());
  EXPECT_EQ(withoutChunk, plain);
  EXPECT_EQ(Encoded(picture, recipe), carrying);
}

TEST(PngRecipe, RefusesWhatIsNoRecipeWithItsReason) {
  const Bytes plain = *EncodePngFile(test::PatternPicture(8, 8));
  const Bytes good = Encoded(test::PatternPicture(8, 8), "--size 8x8\n");
  Bytes badSum = good;
  badSum[AfterHeader + 12] ^= 1;
  const Bytes bomb = Deflated(Bytes(MaxPngRecipeBytes + 1, ' '));
  const Bytes garbage{0x78, 0x9c, 1, 2, 3, 4, 5};
  const Bytes small = Deflated(Bytes(100, 'a'));
  const struct {
    Bytes File;
    std::string_view Reason;
  } cases[] = {
      {{'G', 'I', 'F', '8'}, "not a PNG file"},
      {plain, "carries no recipe"},
      {Bytes(good.begin(), good.begin() + AfterHeader + 20), "cut off before its pixels"},
      {badSum, "a chunk is damaged"},
      {WithChunk(plain, "zTXt", RecipeChunkData(garbage)), "its recipe chunk is damaged"},
      {WithChunk(plain, "zTXt", RecipeChunkData(Bytes(small.begin(), small.end() - 5))), "its recipe chunk is damaged"},
      {WithChunk(plain, "zTXt", RecipeChunkData(bomb)), "its recipe is too large"},
  };
  for (const auto& c : cases) {
    const Parsed<std::string> read = ReadPngRecipe(c.File);
    EXPECT_FALSE(read.Value) << c.Reason;
    EXPECT_EQ(read.Error, c.Reason);
  }
  // Another program's text chunk is passed over.
  Bytes foreign = RecipeChunkData(Deflated({'x'}));
  foreign[0] = 'Q';
  EXPECT_EQ(ReadPngRecipe(WithChunk(good, "zTXt", foreign)).Value, "--size 8x8\n");
}

}  // namespace
}  // namespace tessmark
