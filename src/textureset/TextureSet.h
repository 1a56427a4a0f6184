#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "paint/MapLayer.h"
#include "picture/Picture.h"
#include "recipe/OperationStep.h"
#include "recipe/RecipeValues.h"
#include "textureset/MapRequest.h"
#include "textureset/PictureSetFile.h"

namespace tessmark {

// OUT-NAME.EXT beside OUT.EXT.
std::string MapFileName(const std::string& output, const std::string& name);

// Why the maps cannot be written beside output: a bad or repeated name, a normal map of an unknown
// map, too many maps; or nothing.
std::string CheckMapRequests(std::span<const MapRequest> requests, const std::string& output);

// The colours of each painted map (Palette and Id maps, in order), or why a palette file could not
// be read.
Parsed<std::vector<MapColors>> LoadMapColors(std::span<const MapRequest> requests);

// Why colours (those of label, from file) cannot stand for the palette of a step painting from one,
// naming the first such step; or nothing. A palette stands only for palettes of its own length.
std::string CheckStandIn(std::span<const OperationStep> steps, const MapColors& colors, std::string_view label,
                         std::string_view file);

// The painted maps' start pictures, each checked for memory before it is made.
Parsed<std::vector<Picture>> StartMaps(std::span<const MapRequest> requests, const Picture& start);

// The layers that paint the maps along with the run; pictures and colours are those of the two
// calls above.
std::vector<MapLayer> MapLayers(std::span<const MapRequest> requests, std::span<Picture> pictures,
                                std::span<const MapColors> colors);

// The normal maps, from the finished pictures.
Parsed<std::vector<Picture>> NormalMaps(std::span<const MapRequest> requests, const Picture& main,
                                        std::span<const Picture> painted, bool connectable);

// Writes the pictures of a set, all or none; returns why it failed, or nothing.
using SetWriter = std::function<std::string(std::span<const OutputPicture> pictures)>;

// Makes the normal maps, then has write write the picture to path and every map beside it, in the
// order the requests give them.
std::string WriteTextureSet(std::span<const MapRequest> requests, const std::string& path, const Picture& picture,
                            std::span<const Picture> painted, bool connectable, const SetWriter& write);

}  // namespace tessmark
