#include "cli/MapOptions.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <vector>

#include "recipe/KeyValues.h"
#include "recipe/Quoting.h"

namespace tessmark::cli {
namespace {

using KeyStore = std::string (*)(std::string_view value, MapRequest& request);

struct MapKey {
  std::string_view Key;
  KeyStore Store;
};

std::string Start(std::string_view v, MapRequest& request) {
  const Parsed<Color> color = ParseHexColor(v);
  if (color) request.Start = *color.Value;
  return color.Error;
}

std::string Fill(std::string_view v, MapRequest& request) {
  const Parsed<std::vector<std::string>> items = ListItems(v);
  if (!items) return items.Error;
  request.Fill.clear();
  for (const std::string& item : *items.Value) {
    const Parsed<Color> color = ParseHexColor(item);
    if (!color) return color.Error;
    request.Fill.push_back(*color.Value);
  }
  return request.Fill.empty() ? "give RRGGBB;RRGGBB;..." : std::string();
}

std::string Noise(std::string_view v, MapRequest& request) {
  const Parsed<std::uint8_t> flag = ParseFlag(v);
  if (flag) request.Noise = *flag.Value != 0;
  return flag.Error;
}

std::string Strength(std::string_view v, MapRequest& request) {
  double strength = 0;
  const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), strength);
  if (error != std::errc() || end != v.data() + v.size() || !(strength > 0 && strength <= 100)) {
    return "give a number above 0, at most 100";
  }
  request.Normal.Strength = strength;
  return {};
}

std::string YDirection(std::string_view v, MapRequest& request) {
  if (v != "up" && v != "down") return "give up or down";
  request.Normal.YUp = v == "up";
  return {};
}

constexpr MapKey PaletteKeys[] = {{"start", Start}, {"fill", Fill}, {"noise", Noise}};
constexpr MapKey IdKeys[] = {{"start", Start}};
constexpr MapKey NormalKeys[] = {{"strength", Strength}, {"y", YDirection}};

// NAME=VALUE, then the keys the map takes; what VALUE means is for the caller.
std::string ParseRequest(std::string_view text, MapRequest& request, std::string& value,
                      std::span<const MapKey> (*keysOf)(const std::string& value)) {
  const std::vector<std::string_view> items = SplitOutsideQuotes(text, ',');
  const std::size_t equals = items.empty() ? std::string_view::npos : items[0].find('=');
  if (equals == std::string_view::npos) return "give NAME=...";
  request.Name = items[0].substr(0, equals);
  const Parsed<std::string> unquoted = Unquote(items[0].substr(equals + 1));
  if (!unquoted) return unquoted.Error;
  value = *unquoted.Value;
  if (value.empty()) return Concat(Quoted(request.Name), " needs a value");
  const std::span<const MapKey> keys = keysOf(value);
  for (std::size_t i = 1; i < items.size(); ++i) {
    const std::size_t eq = items[i].find('=');
    const std::string_view key = items[i].substr(0, eq);
    const auto rule = std::find_if(keys.begin(), keys.end(), [&](const MapKey& k) { return k.Key == key; });
    if (rule == keys.end() || eq == std::string_view::npos) return Concat("unknown key ", Quoted(key));
    if (std::string error = rule->Store(items[i].substr(eq + 1), request); !error.empty()) return Concat(key, ": ", error);
  }
  return {};
}

}  // namespace

std::string ParseMapOption(std::string_view text, MapRequest& request) {
  std::string value;
  std::string error = ParseRequest(text, request, value, [](const std::string& v) -> std::span<const MapKey> {
    if (v == "id") return IdKeys;
    return PaletteKeys;
  });
  request.Type = value == "id" ? MapRequest::Kind::Id : MapRequest::Kind::Palette;
  request.PaletteFile = value;
  return error;
}

std::string ParseNormalOption(std::string_view text, MapRequest& request) {
  request.Type = MapRequest::Kind::Normal;
  return ParseRequest(text, request, request.From, [](const std::string&) -> std::span<const MapKey> { return NormalKeys; });
}

}  // namespace tessmark::cli
