#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "imageio/DibHeader.h"
#include "picture/Color.h"

namespace tessmark {

// The colour table of a palette bitmap; indices the table does not reach are black.
using DibPalette = std::array<Color, 256>;

DibPalette ReadDibPalette(std::span<const std::uint8_t> dib, const DibHeader& header);

}  // namespace tessmark
