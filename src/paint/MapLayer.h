#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "palette/Palette.h"
#include "picture/Picture.h"

namespace tessmark {

// The colours one picture gives the shapes of a run whose draws were made for another. A shape
// that took a palette entry takes the entry at the same position here; a random colour takes the
// entry at its first colour draw mod RandomLength. So the shapes keep their places whatever the
// colours.
struct MapColors {
  Palette Colors;
  std::int32_t RandomLength = 0;
};

// The colours of a palette by that rule.
MapColors ColorsOfPalette(const Palette& palette);

// Distinct flat colours, none of them IdBackground, for masks by colour: every palette position has
// its own, and random colours share the first IdRandomColors.
MapColors IdColors();
inline constexpr std::int32_t IdRandomColors = 16;
inline constexpr Color IdBackground{0, 0, 0};

Color ColorOnMap(const MapColors& colors, const DrawnColor& drawn);

// A picture painted along with the run's own, from the same draws.
struct MapLayer {
  Picture& Target;
  MapColors Colors;
  bool FullWeight = false;  // every shape and fill covers what lies beneath (masks)
  bool Stamps = true;       // tags and circle mixes are stamped as on the run's picture
  bool Noise = false;       // noise filters it with the run's offsets
  std::vector<Color> FillColors;  // the k-th fill takes entry k, later ones the last; none: the fill's own
  std::int32_t FillsDone = 0;
};

// The fill colour the map's next fill takes instead of color, counting that fill.
Color NextFillColor(MapLayer& layer, Color color);

// One of the pictures a run paints every shape on, all of the same size: its own or a map.
struct PaintLayer {
  Picture* Target;
  const MapColors* Colors = nullptr;  // none: the colours drawn
  bool FullWeight = false;
  bool Stamps = true;

  Color ColorOf(const DrawnColor& drawn) const { return Colors ? ColorOnMap(*Colors, drawn) : drawn.Rgb; }
  std::uint8_t WeightOf(std::uint8_t drawn) const { return FullWeight ? std::uint8_t{255} : drawn; }
};

// The run's own picture, in the recolouring's colours if any, then every map.
std::vector<PaintLayer> PaintLayers(Picture& target, const MapColors* recolor, std::span<MapLayer> maps);

}  // namespace tessmark
