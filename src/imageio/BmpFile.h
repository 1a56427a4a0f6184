#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "picture/Picture.h"

namespace tessmark {

inline constexpr std::uint32_t BmpFileHeaderSize = 14;

// The picture as a 24-bit BMP file: file header, 40-byte header, bottom-up padded rows.
// Nothing when the picture is too large for the format's 32-bit sizes.
std::optional<std::vector<std::uint8_t>> EncodeBmpFile(const Picture& picture);

}  // namespace tessmark
