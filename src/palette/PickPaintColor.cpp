#include "palette/Palette.h"

namespace tessmark {

PaletteColor PickPaintColor(const Palette& palette, RandomValue& random) {
  if (!palette.AllColor && palette.Count > 0) return palette.Colors[static_cast<std::size_t>(random.Next() % palette.Count)];
  const auto red = static_cast<std::uint8_t>(random.Next());
  const auto green = static_cast<std::uint8_t>(random.Next());
  const auto blue = static_cast<std::uint8_t>(random.Next());
  return {red, green, blue};
}

}  // namespace tessmark
