#pragma once

#include <array>
#include <cstdint>

#include "paint/RandomValue.h"
#include "picture/Color.h"

namespace tessmark {

using PaletteColor = Color;

inline constexpr std::int32_t PaletteCapacity = 256;

// The colours the shape generators paint with. With AllColor set (or no colours) every shape gets
// a random colour instead.
struct Palette {
  bool AllColor = true;
  std::int32_t Count = 0;  // 0 ... PaletteCapacity valid entries at the front of Colors
  std::array<PaletteColor, PaletteCapacity> Colors{};
};

// The colour of one shape: one draw to pick a palette entry, or three (red, green, blue) for a
// random colour.
PaletteColor PickPaintColor(const Palette& palette, RandomValue& random);

}  // namespace tessmark
