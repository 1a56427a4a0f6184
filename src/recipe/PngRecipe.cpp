#include "recipe/PngRecipe.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <string_view>

#include "imageio/PngFile.h"

namespace tessmark {
namespace {

constexpr std::array<std::uint8_t, 8> Signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr std::size_t ChunkFrameBytes = 12;  // length, type, checksum

std::uint32_t BigEndian32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

Parsed<std::string> Fail(std::string why) { return Parsed<std::string>::Fail(std::move(why)); }

// zlib works in chunks of at most uInt; the output is bounded before anything is kept.
Parsed<std::string> Inflate(std::span<const std::uint8_t> compressed) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return Fail("not enough memory to read its recipe");
  std::string text;
  std::array<char, 65536> piece{};
  stream.next_in = const_cast<Bytef*>(compressed.data());
  stream.avail_in = static_cast<uInt>(compressed.size());
  int status = Z_OK;
  while (status == Z_OK) {
    stream.next_out = reinterpret_cast<Bytef*>(piece.data());
    stream.avail_out = static_cast<uInt>(piece.size());
    status = inflate(&stream, Z_NO_FLUSH);
    const std::size_t made = piece.size() - stream.avail_out;
    if (text.size() + made > MaxPngRecipeBytes) status = Z_MEM_ERROR;
    else text.append(piece.data(), made);
    if (status == Z_BUF_ERROR && made > 0) status = Z_OK;
  }
  inflateEnd(&stream);
  if (status == Z_MEM_ERROR) return Fail("its recipe is too large");
  if (status != Z_STREAM_END) return Fail("its recipe chunk is damaged");
  return {std::move(text), {}};
}

// A zTXt chunk's data: keyword, NUL, compression method 0, the zlib stream.
std::optional<std::span<const std::uint8_t>> RecipeStream(std::span<const std::uint8_t> data) {
  const std::string_view key = RecipeChunkKeyword;
  if (data.size() < key.size() + 2 || !std::equal(key.begin(), key.end(), data.begin())) return std::nullopt;
  if (data[key.size()] != 0 || data[key.size() + 1] != 0) return std::nullopt;
  return data.subspan(key.size() + 2);
}

}  // namespace

bool StartsAsPng(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= Signature.size() && std::equal(Signature.begin(), Signature.end(), bytes.begin());
}

Parsed<std::string> ReadPngRecipe(std::span<const std::uint8_t> bytes) {
  if (!StartsAsPng(bytes)) return Fail("not a PNG file");
  std::span<const std::uint8_t> rest = bytes.subspan(Signature.size());
  while (rest.size() >= ChunkFrameBytes) {
    const std::uint32_t length = BigEndian32(rest.data());
    if (length > rest.size() - ChunkFrameBytes) break;
    const std::span<const std::uint8_t> typed = rest.subspan(4, 4 + std::size_t{length});
    const std::string_view type(reinterpret_cast<const char*>(typed.data()), 4);
    if (type == "IDAT" || type == "IEND") return Fail("carries no recipe");
    const std::uint32_t sum = BigEndian32(typed.data() + typed.size());
    if (crc32_z(0, typed.data(), typed.size()) != sum) return Fail("a chunk is damaged");
    if (type == "zTXt") {
      if (const auto stream = RecipeStream(typed.subspan(4))) return Inflate(*stream);
    }
    rest = rest.subspan(ChunkFrameBytes + length);
  }
  return Fail("cut off before its pixels");
}

std::string StrayRecipeWord(const std::vector<std::string>& words) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    const std::string_view name = std::string_view(word).substr(0, word.find('='));
    const bool start = name == "--size" || name == "--input";
    if (start && name.size() == word.size()) ++i;
    else if (!start && (word.starts_with('-') || word.starts_with('@'))) return word;
  }
  return {};
}

}  // namespace tessmark
