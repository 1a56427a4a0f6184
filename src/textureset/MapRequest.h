#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "paint/NormalMap.h"
#include "picture/Color.h"

namespace tessmark {

// One picture of a texture set besides the run's own, written beside it under its name.
struct MapRequest {
  enum class Kind { Palette, Id, Normal };
  Kind Type = Kind::Palette;
  std::string Name;
  std::string PaletteFile;     // Palette: its colours by the map rule
  std::optional<Color> Start;  // none: the run's start picture (Id: IdBackground)
  std::vector<Color> Fill;     // the fills' colours in turn; none: each fill's own
  bool Noise = false;          // the run's noise filters it too
  std::string From;            // Normal: the map whose brightness gives the heights, or MainMapName
  NormalMapParams Normal;
};

// The name --normal and the dialog use for the run's own picture.
inline constexpr char MainMapName[] = "main";

// A run writes at most this many maps.
inline constexpr std::size_t MaxMaps = 16;

}  // namespace tessmark
