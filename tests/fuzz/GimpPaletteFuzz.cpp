#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "palette/GimpPalette.h"

// GIMP palette text of any kind: a refusal names a line within the text and leaves the palette as
// it was, an accepted text fills at most the palette's capacity.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tessmark::Palette palette;
  const tessmark::GimpPaletteRead read = tessmark::ReadGimpPalette({data, size}, palette);
  if (!read.Ok && (read.Line < 1 || static_cast<std::size_t>(read.Line) > size + 1 || palette.Count != 0)) std::abort();
  if (read.Ok && (palette.Count < 0 || palette.Count > tessmark::PaletteCapacity || read.LeftOut < 0)) std::abort();
  return 0;
}
