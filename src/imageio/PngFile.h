#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "picture/Picture.h"

namespace tessmark {

// The picture as a lossless 8-bit RGB PNG file, or nothing when libpng fails or memory runs out.
std::optional<std::vector<std::uint8_t>> EncodePngFile(const Picture& picture);

}  // namespace tessmark
