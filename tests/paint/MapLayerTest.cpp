#include "paint/MapLayer.h"

#include <gtest/gtest.h>

#include <set>

namespace tessmark {
namespace {

TEST(MapColors, APaletteShapeKeepsItsPositionAndARandomOneTakesItsFirstDrawModTheLength) {
  Palette palette;
  for (std::uint8_t k = 0; k < 5; ++k) AddColor(palette, {k, k, k});
  const MapColors map = ColorsOfPalette(palette);
  EXPECT_EQ(ColorOnMap(map, {{9, 9, 9}, 1003, 2}), (Color{2, 2, 2}));
  EXPECT_EQ(ColorOnMap(map, {{9, 9, 9}, 1003, -1}), (Color{3, 3, 3}));
  const MapColors id = IdColors();
  EXPECT_EQ(ColorOnMap(id, {{}, 35, -1}), id.Colors.Colors[3]);
  EXPECT_EQ(ColorOnMap(id, {{}, 35, 200}), id.Colors.Colors[200]);
}

TEST(MapColors, IdColoursAreDistinctAndNotTheBackground) {
  const MapColors id = IdColors();
  std::set<std::uint32_t> seen{RefFromColor(IdBackground)};
  for (std::int32_t k = 0; k < id.Colors.Count; ++k) seen.insert(RefFromColor(id.Colors.Colors[static_cast<std::size_t>(k)]));
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(PaletteCapacity) + 1);
}

}  // namespace
}  // namespace tessmark
