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

// A shape's colour as its draws made it: the palette entry it took, or a random colour. Painting
// the same draws with other colours keeps Position and FirstDraw.
struct DrawnColor {
  PaletteColor Rgb;
  std::int32_t FirstDraw = 0;
  std::int32_t Position = -1;  // -1: a random colour
};

// The colour of one shape: one draw to pick a palette entry, or three (red, green, blue) for a
// random colour.
DrawnColor DrawPaintColor(const Palette& palette, RandomValue& random);

// Whether the shape generators take this palette's entries rather than random colours.
inline bool PaintsFromEntries(const Palette& palette) { return !palette.AllColor && palette.Count > 0; }

// Appends the colour unless the palette is full; the same colour may be added twice.
void AddColor(Palette& palette, PaletteColor color);

// Removes entry index, keeping the order of the others. False when there is no such entry.
bool RemoveColor(Palette& palette, std::int32_t index);

// Puts the colour in place of entry index. False, with nothing changed, when the colour is already
// in the palette (the entry's own present colour included) or there is no such entry.
bool ReplaceColor(Palette& palette, std::int32_t index, PaletteColor color);

// Empties the colour list; AllColor stays as it is.
void ClearColors(Palette& palette);

// Appends up to n random colours that are not yet in the palette, stopping when it is full. The
// random source is seeded with seed (the clock, for the palette editor).
void AddRandomColors(Palette& palette, std::int32_t n, std::uint32_t seed);

// Whether the colour is among the palette's valid entries.
bool ContainsColor(const Palette& palette, PaletteColor color);

}  // namespace tessmark
