#include "textureset/TextureSet.h"

#include <algorithm>
#include <cctype>

#include "paint/Fill.h"
#include "palette/PaletteFile.h"
#include "recipe/Operation.h"
#include "recipe/OperationTable.h"

namespace tessmark {
namespace {

bool Painted(const MapRequest& request) { return request.Type != MapRequest::Kind::Normal; }

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::string Colours(std::int32_t n) { return Concat(std::to_string(n), n == 1 ? " colour" : " colours"); }

std::string CheckName(const MapRequest& request) {
  if (request.Name.empty()) return "a map needs a name: NAME=...";
  if (request.Name.find_first_of("/\\") != std::string::npos) return Concat("map name ", Quoted(request.Name), " holds a path separator");
  if (Lower(request.Name) == MainMapName) return Concat(Quoted(MainMapName), " names the picture itself, not a map");
  return {};
}

std::string CheckSource(const MapRequest& request, std::span<const MapRequest> requests) {
  if (request.Type != MapRequest::Kind::Normal || request.From == MainMapName) return {};
  const bool known = std::any_of(requests.begin(), requests.end(),
                                 [&](const MapRequest& s) { return Painted(s) && s.Name == request.From; });
  return known ? std::string() : Concat("normal map ", Quoted(request.Name), " is made from unknown map ", Quoted(request.From));
}

}  // namespace

std::string MapFileName(const std::string& output, const std::string& name) {
  const std::size_t slash = output.find_last_of('/');
  const std::size_t dot = output.find_last_of('.');
  const std::size_t stem = dot == std::string::npos || (slash != std::string::npos && dot < slash) ? output.size() : dot;
  return Concat(std::string_view(output).substr(0, stem), "-", name, std::string_view(output).substr(stem));
}

std::string CheckMapRequests(std::span<const MapRequest> requests, const std::string& output) {
  if (requests.size() > MaxMaps) return Concat("at most ", std::to_string(MaxMaps), " maps");
  std::vector<std::string> paths{output};
  for (const MapRequest& request : requests) {
    if (std::string error = CheckName(request); !error.empty()) return error;
    if (std::string error = CheckSource(request, requests); !error.empty()) return error;
    const std::string path = MapFileName(output, request.Name);
    const auto taken = std::find_if(paths.begin(), paths.end(), [&](const std::string& p) { return Lower(p) == Lower(path); });
    if (taken != paths.end()) return Concat("map ", Quoted(request.Name), " would write over ", *taken);
    paths.push_back(path);
  }
  return {};
}

Parsed<std::vector<MapColors>> LoadMapColors(std::span<const MapRequest> requests) {
  std::vector<MapColors> all;
  for (const MapRequest& request : requests) {
    if (request.Type == MapRequest::Kind::Id) all.push_back(IdColors());
    if (request.Type != MapRequest::Kind::Palette) continue;
    Palette palette;
    const PaletteFileResult load = LoadPaletteFile(request.PaletteFile, palette);
    if (!load.Ok) return Parsed<std::vector<MapColors>>::Fail(Concat("cannot read ", request.PaletteFile, ": ", load.Reason));
    if (palette.Count <= 0) return Parsed<std::vector<MapColors>>::Fail(Concat(request.PaletteFile, " holds no colours"));
    all.push_back(ColorsOfPalette(palette));
  }
  return {std::move(all), {}};
}

std::string CheckStandIn(std::span<const OperationStep> steps, const MapColors& colors, std::string_view label,
                         std::string_view file) {
  // Id colours cover every position, so they stand for any palette.
  if (colors.RandomLength != colors.Colors.Count) return {};
  for (std::size_t k = 0; k < steps.size(); ++k) {
    const OperationStep& step = steps[k];
    if ((RowOf(step.Kind).Writes & WritesColors) == 0 || !PaintsFromEntries(step.Palette)) continue;
    if (step.Palette.Count == colors.Colors.Count) continue;
    return Concat(label, ": ", OperationName(step.Kind), " (operation ", std::to_string(k + 1), ") paints with ",
                  Colours(step.Palette.Count), ", ", file, " holds ", Colours(colors.Colors.Count));
  }
  return {};
}

Parsed<std::vector<Picture>> StartMaps(std::span<const MapRequest> requests, const Picture& start) {
  std::vector<Picture> pictures;
  for (const MapRequest& request : requests) {
    if (!Painted(request)) continue;
    const std::optional<Color> flat = request.Type == MapRequest::Kind::Id ? request.Start.value_or(IdBackground) : request.Start;
    std::optional<Picture> picture = flat ? AllocatePicture(start.Width, start.Height) : ClonePicture(start);
    if (!picture) return Parsed<std::vector<Picture>>::Fail(Concat("not enough memory for map ", Quoted(request.Name)));
    if (flat) FillPicture(*picture, *flat, true, false, 255);
    pictures.push_back(std::move(*picture));
  }
  return {std::move(pictures), {}};
}

std::vector<MapLayer> MapLayers(std::span<const MapRequest> requests, std::span<Picture> pictures,
                                std::span<const MapColors> colors) {
  std::vector<MapLayer> layers;
  std::size_t k = 0;
  for (const MapRequest& request : requests) {
    if (!Painted(request)) continue;
    const bool id = request.Type == MapRequest::Kind::Id;
    std::vector<Color> fill = id ? std::vector<Color>{request.Start.value_or(IdBackground)} : request.Fill;
    layers.push_back({pictures[k], colors[k], id, !id, request.Noise && !id, std::move(fill)});
    ++k;
  }
  return layers;
}

Parsed<std::vector<Picture>> NormalMaps(std::span<const MapRequest> requests, const Picture& main,
                                        std::span<const Picture> painted, bool connectable) {
  std::vector<Picture> normals;
  for (const MapRequest& request : requests) {
    if (Painted(request)) continue;
    const Picture* source = &main;
    std::size_t k = 0;
    for (const MapRequest& other : requests) {
      if (!Painted(other)) continue;
      if (other.Name == request.From) source = &painted[k];
      ++k;
    }
    std::optional<Picture> normal = NormalMap(*source, connectable, request.Normal);
    if (!normal) return Parsed<std::vector<Picture>>::Fail(Concat("not enough memory for map ", Quoted(request.Name)));
    normals.push_back(std::move(*normal));
  }
  return {std::move(normals), {}};
}

std::string WriteTextureSet(std::span<const MapRequest> requests, const std::string& path, const Picture& picture,
                            std::span<const Picture> painted, bool connectable, const SetWriter& write) {
  const Parsed<std::vector<Picture>> normals = NormalMaps(requests, picture, painted, connectable);
  if (!normals) return normals.Error;
  std::vector<OutputPicture> outputs{{picture, path}};
  std::size_t k = 0, normal = 0;
  for (const MapRequest& request : requests) {
    const Picture& map = Painted(request) ? painted[k++] : (*normals.Value)[normal++];
    outputs.push_back({map, MapFileName(path, request.Name)});
  }
  return write(outputs);
}

}  // namespace tessmark
