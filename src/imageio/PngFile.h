#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "imageio/ByteSink.h"
#include "picture/Picture.h"

namespace tessmark {

// The picture as a lossless 8-bit RGB PNG file, or nothing when libpng fails or memory runs out.
std::optional<std::vector<std::uint8_t>> EncodePngFile(const Picture& picture);

// The same file handed out piece by piece as libpng makes it; false when libpng fails or the sink
// throws.
bool StreamPngFile(const Picture& picture, const ByteSink& out);

}  // namespace tessmark
