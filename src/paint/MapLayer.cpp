#include "paint/MapLayer.h"

#include <algorithm>

namespace tessmark {

MapColors ColorsOfPalette(const Palette& palette) { return {palette, palette.Count}; }

MapColors IdColors() {
  MapColors id;
  id.RandomLength = IdRandomColors;
  // Odd factors make each channel a different permutation of n mod 256, so no two entries meet and
  // only n = 256 has a zero red, whose green is not zero.
  for (std::uint32_t n = 1; n <= static_cast<std::uint32_t>(PaletteCapacity); ++n) {
    AddColor(id.Colors, {static_cast<std::uint8_t>(n * 0x35u), static_cast<std::uint8_t>(n * 0x9Bu + 0x40u),
                         static_cast<std::uint8_t>(n * 0xC7u + 0x80u)});
  }
  return id;
}

Color ColorOnMap(const MapColors& colors, const DrawnColor& drawn) {
  const std::int32_t count = colors.Colors.Count;
  if (count <= 0) return drawn.Rgb;
  const std::int32_t position = drawn.Position >= 0 ? drawn.Position : drawn.FirstDraw % std::max(colors.RandomLength, 1);
  return colors.Colors.Colors[static_cast<std::size_t>(position % count)];
}

Color NextFillColor(MapLayer& layer, Color color) {
  const std::vector<Color>& fills = layer.FillColors;
  const std::size_t k = static_cast<std::size_t>(layer.FillsDone++);
  return fills.empty() ? color : fills[std::min(k, fills.size() - 1)];
}

std::vector<PaintLayer> PaintLayers(Picture& target, const MapColors* recolor, std::span<MapLayer> maps) {
  std::vector<PaintLayer> layers{{&target, recolor}};
  for (MapLayer& map : maps) layers.push_back({&map.Target, &map.Colors, map.FullWeight, map.Stamps});
  return layers;
}

}  // namespace tessmark
