#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "palette/PaletteFile.h"

// Palette file bytes of any length: the count stays within the file's range and nothing is read or
// written outside the file or the palette.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tessmark::Palette palette;
  tessmark::ReadPaletteBytes({data, size}, palette);
  if (palette.Count < 0 || palette.Count > tessmark::PaletteFileMaxColors) std::abort();
  return 0;
}
