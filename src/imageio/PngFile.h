#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "imageio/ByteSink.h"
#include "picture/Picture.h"

namespace tessmark {

// The picture as a lossless 8-bit RGB PNG file, or nothing when libpng fails or memory runs out.
std::optional<std::vector<std::uint8_t>> EncodePngFile(const Picture& picture);

// The same file handed out piece by piece as libpng makes it; false when libpng fails or the sink
// throws.
bool StreamPngFile(const Picture& picture, const ByteSink& out);

// The keyword of the compressed text chunk that carries the recipe of the picture.
inline constexpr std::string_view RecipeChunkKeyword = "TessmarkPicture recipe";

// The same file carrying the recipe text in that chunk; an empty recipe writes no chunk. The chunk
// changes no pixel, and the same recipe gives the same bytes.
bool StreamPngFileWithRecipe(const Picture& picture, const ByteSink& out, std::string_view recipe);

}  // namespace tessmark
