#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "palette/Palette.h"

namespace tessmark {

// The text palettes that GIMP and most painting programs exchange (.gpl): a "GIMP Palette" line,
// optional "Name:" and "Columns:" lines, "#" comments and blank lines, and one colour a line as
// three numbers 0 ... 255 (red, green, blue), optionally followed by a name.
struct GimpPaletteRead {
  bool Ok = true;
  std::int32_t Line = 0;     // the line at fault
  std::string Problem;       // what is wrong with it
  std::int32_t LeftOut = 0;  // colours after the first PaletteCapacity, not taken
};

// Takes the colours in file order, duplicates included, at most PaletteCapacity of them. A text that
// is not a GIMP palette leaves the palette as it was; AllColor is never touched.
GimpPaletteRead ReadGimpPalette(std::span<const std::uint8_t> text, Palette& palette);

// The palette's colours as a GIMP palette named name, 16 columns, each colour named by its hex code.
std::string WriteGimpPalette(const Palette& palette, std::string_view name);

// Whether the path names a GIMP palette: its extension is .gpl, in any case.
bool IsGimpPalettePath(std::string_view path);

}  // namespace tessmark
