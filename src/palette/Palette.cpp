#include <algorithm>

#include "palette/Palette.h"

namespace tessmark {
namespace {

bool IsEntry(const Palette& palette, std::int32_t index) { return index >= 0 && index < palette.Count; }

DrawnColor DrawRandomColor(RandomValue& random) {
  const std::int32_t red = random.Next();
  const auto green = static_cast<std::uint8_t>(random.Next());
  const auto blue = static_cast<std::uint8_t>(random.Next());
  return {{static_cast<std::uint8_t>(red), green, blue}, red};
}

PaletteColor RandomColor(RandomValue& random) { return DrawRandomColor(random).Rgb; }

}  // namespace

DrawnColor DrawPaintColor(const Palette& palette, RandomValue& random) {
  if (PaintsFromEntries(palette)) {
    const std::int32_t draw = random.Next();
    const std::int32_t position = draw % palette.Count;
    return {palette.Colors[static_cast<std::size_t>(position)], draw, position};
  }
  return DrawRandomColor(random);
}

bool ContainsColor(const Palette& palette, PaletteColor color) {
  const auto valid = palette.Colors.begin() + palette.Count;
  return std::find(palette.Colors.begin(), valid, color) != valid;
}

void AddColor(Palette& palette, PaletteColor color) {
  if (palette.Count >= PaletteCapacity) return;
  palette.Colors[static_cast<std::size_t>(palette.Count++)] = color;
}

bool RemoveColor(Palette& palette, std::int32_t index) {
  if (!IsEntry(palette, index)) return false;
  std::copy(palette.Colors.begin() + index + 1, palette.Colors.end(), palette.Colors.begin() + index);
  --palette.Count;
  return true;
}

bool ReplaceColor(Palette& palette, std::int32_t index, PaletteColor color) {
  if (!IsEntry(palette, index) || ContainsColor(palette, color)) return false;
  palette.Colors[static_cast<std::size_t>(index)] = color;
  return true;
}

void ClearColors(Palette& palette) { palette.Count = 0; }

void AddRandomColors(Palette& palette, std::int32_t n, std::uint32_t seed) {
  RandomValue random(seed);
  for (std::int32_t added = 0; added < n;) {
    const PaletteColor color = RandomColor(random);
    if (ContainsColor(palette, color)) continue;
    if (palette.Count >= PaletteCapacity) return;
    palette.Colors[static_cast<std::size_t>(palette.Count++)] = color;
    ++added;
  }
}

}  // namespace tessmark
