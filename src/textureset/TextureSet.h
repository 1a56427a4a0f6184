#pragma once

#include <span>
#include <string>
#include <vector>

#include "paint/MapLayer.h"
#include "picture/Picture.h"
#include "recipe/RecipeValues.h"
#include "textureset/MapSpec.h"

namespace tessmark {

// OUT-NAME.EXT beside OUT.EXT.
std::string MapFileName(const std::string& output, const std::string& name);

// Why the maps cannot be written beside output: a bad or repeated name, a normal map of an unknown
// map, too many maps; or nothing.
std::string CheckMapSpecs(std::span<const MapSpec> specs, const std::string& output);

// The colours of each painted map (Palette and Id maps, in order), or why a palette file could not
// be read.
Parsed<std::vector<MapColors>> LoadMapColors(std::span<const MapSpec> specs);

// Whether a map's colours stand for an operation painting from this palette: the same length.
bool MapFitsPalette(const MapColors& colors, const Palette& palette);

// The painted maps' start pictures, each checked for memory before it is made.
Parsed<std::vector<Picture>> StartMaps(std::span<const MapSpec> specs, const Picture& start);

// The layers that paint the maps along with the run; pictures and colours are those of the two
// calls above.
std::vector<MapLayer> MapLayers(std::span<const MapSpec> specs, std::span<Picture> pictures,
                                std::span<const MapColors> colors);

// The normal maps, from the finished pictures.
Parsed<std::vector<Picture>> NormalMaps(std::span<const MapSpec> specs, const Picture& main,
                                        std::span<const Picture> painted, bool connectable);

}  // namespace tessmark
