#include "cli/Operation.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>

namespace tessmark::cli {
namespace {

// Reads one key's value into the operation; returns why it was refused, or nothing.
using KeyParser = std::string (*)(std::string_view value, Operation& operation);

struct KeyRule {
  std::string_view Key;
  KeyParser Parse;
};

Parsed<std::int32_t> Number(std::string_view text) { return ParseNumber(text); }

// A byte field keeps the low 8 bits, as the dialog stores it.
Parsed<std::uint8_t> Byte(std::string_view text) {
  const auto number = ParseNumber(text);
  if (!number) return Parsed<std::uint8_t>::Fail(number.Error);
  return {LowByte(*number.Value), {}};
}

// A record field set from the value as Parse reads it.
template <auto Record, auto Field, auto Parse> std::string FieldKey(std::string_view value, Operation& operation) {
  const auto parsed = Parse(value);
  if (!parsed) return parsed.Error;
  operation.Assignments.push_back([v = *parsed.Value](Settings& s) { (s.*Record).*Field = v; });
  return {};
}

template <auto Record, auto Field> constexpr KeyParser NumberKey = FieldKey<Record, Field, Number>;
template <auto Record, auto Field> constexpr KeyParser ByteKey = FieldKey<Record, Field, Byte>;
template <auto Record, auto Field> constexpr KeyParser FlagKey = FieldKey<Record, Field, ParseFlag>;

// Paths separated by ';', in the order given.
template <auto Record> std::string FilesKey(std::string_view value, Operation& operation) {
  PictureFiles files;
  for (std::size_t start = 0; start <= value.size();) {
    const std::size_t end = std::min(value.find(';', start), value.size());
    if (end > start) files.emplace_back(value.substr(start, end - start));
    start = end + 1;
  }
  if (files.empty()) return "files needs at least one picture file";
  operation.Assignments.push_back([files = std::move(files)](Settings& s) { (s.*Record).PictureFiles = files; });
  return {};
}

std::string ColorKey(std::string_view value, Operation& operation) {
  const auto color = ParseHexColor(value);
  if (!color) return color.Error;
  operation.FillColor = *color.Value;
  return {};
}

std::string FullKey(std::string_view value, Operation& operation) {
  const auto flag = ParseFlag(value);
  if (!flag) return flag.Error;
  operation.FillFull = *flag.Value != 0;
  return {};
}

using S = Settings;

constexpr KeyRule CircleKeys[] = {{"raymin", NumberKey<&S::Circle, &CircleParams::Raymin>},
                                  {"raymax", NumberKey<&S::Circle, &CircleParams::Raymax>},
                                  {"count", NumberKey<&S::Circle, &CircleParams::Count>}};
constexpr KeyRule RectKeys[] = {{"xmin", NumberKey<&S::Rectangle, &RectangleParams::XMin>},
                                {"ymin", NumberKey<&S::Rectangle, &RectangleParams::YMin>},
                                {"xmax", NumberKey<&S::Rectangle, &RectangleParams::XMax>},
                                {"ymax", NumberKey<&S::Rectangle, &RectangleParams::YMax>},
                                {"count", NumberKey<&S::Rectangle, &RectangleParams::Count>}};
constexpr KeyRule PolygonKeys[] = {{"raymin", NumberKey<&S::Polygon, &PolygonParams::RayMin>},
                                   {"raymax", NumberKey<&S::Polygon, &PolygonParams::RayMax>},
                                   {"angmin", NumberKey<&S::Polygon, &PolygonParams::AngMin>},
                                   {"angmax", NumberKey<&S::Polygon, &PolygonParams::AngMax>},
                                   {"count", NumberKey<&S::Polygon, &PolygonParams::Count>},
                                   {"fill", FlagKey<&S::Polygon, &PolygonParams::Fill>}};
constexpr KeyRule VectorKeys[] = {{"lengthmin", NumberKey<&S::Vector, &VectorParams::LengthMin>},
                                  {"lengthmax", NumberKey<&S::Vector, &VectorParams::LengthMax>},
                                  {"weightmin", NumberKey<&S::Vector, &VectorParams::WeightMin>},
                                  {"weightmax", NumberKey<&S::Vector, &VectorParams::WeightMax>},
                                  {"count", NumberKey<&S::Vector, &VectorParams::Count>},
                                  {"fill", FlagKey<&S::Vector, &VectorParams::Fill>}};
constexpr KeyRule CircleMixKeys[] = {{"mixemin", NumberKey<&S::CircleMix, &CircleMixParams::MixeMin>},
                                     {"mixemax", NumberKey<&S::CircleMix, &CircleMixParams::MixeMax>},
                                     {"radiusmin", NumberKey<&S::CircleMix, &CircleMixParams::RadiusMin>},
                                     {"radiusmax", NumberKey<&S::CircleMix, &CircleMixParams::RadiusMax>},
                                     {"count", NumberKey<&S::CircleMix, &CircleMixParams::Count>},
                                     {"files", FilesKey<&S::CircleMix>}};
constexpr KeyRule TagKeys[] = {{"count", NumberKey<&S::Tag, &TagParams::Count>}, {"files", FilesKey<&S::Tag>}};
constexpr KeyRule FillKeys[] = {{"color", ColorKey}, {"full", FullKey}};
constexpr KeyRule NoiseKeys[] = {{"percent", ByteKey<&S::Noise, &NoiseParams::Percent>},
                                 {"germe", NumberKey<&S::Noise, &NoiseParams::Germe>},
                                 {"monochromatique", FlagKey<&S::Noise, &NoiseParams::Monochromatique>}};

struct OperationRule {
  std::string_view Name;
  OperationKind Kind;
  std::span<const KeyRule> Keys;
};

constexpr std::array<OperationRule, 8> Operations{{{"circle", OperationKind::Circle, CircleKeys},
                                                   {"rect", OperationKind::Rect, RectKeys},
                                                   {"polygon", OperationKind::Polygon, PolygonKeys},
                                                   {"vector", OperationKind::Vector, VectorKeys},
                                                   {"circlemix", OperationKind::CircleMix, CircleMixKeys},
                                                   {"tag", OperationKind::Tag, TagKeys},
                                                   {"fill", OperationKind::Fill, FillKeys},
                                                   {"noise", OperationKind::Noise, NoiseKeys}}};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::string KeyList(const OperationRule& rule) {
  std::string list;
  for (const KeyRule& key : rule.Keys) list += Concat(list.empty() ? "" : ", ", key.Key);
  return list;
}

std::string OperationList() {
  std::string list;
  for (const OperationRule& rule : Operations) list += Concat(list.empty() ? "" : ", ", rule.Name);
  return list;
}

const OperationRule* FindOperation(std::string_view name) {
  const std::string lower = Lower(name);
  const auto it = std::find_if(Operations.begin(), Operations.end(), [&](const auto& r) { return r.Name == lower; });
  return it == Operations.end() ? nullptr : &*it;
}

const KeyRule* FindKey(const OperationRule& rule, std::string_view key) {
  const std::string lower = Lower(key);
  const auto it = std::find_if(rule.Keys.begin(), rule.Keys.end(), [&](const auto& k) { return k.Key == lower; });
  return it == rule.Keys.end() ? nullptr : &*it;
}

// Reads the comma-separated key=value list; returns why it was refused, or nothing.
std::string ParseKeys(const OperationRule& rule, std::string_view list, Operation& operation) {
  bool colorGiven = false;
  for (std::size_t start = 0; start <= list.size();) {
    const std::size_t end = std::min(list.find(',', start), list.size());
    const std::string_view item = list.substr(start, end - start);
    start = end + 1;
    if (item.empty()) continue;
    const std::size_t equals = item.find('=');
    const std::string_view key = item.substr(0, equals);
    const KeyRule* keyRule = FindKey(rule, key);
    if (keyRule == nullptr) {
      return Concat("unknown key ", Quoted(key), " (", rule.Name, " takes ", KeyList(rule), ")");
    }
    if (equals == std::string_view::npos) return Concat(keyRule->Key, " needs a value: ", keyRule->Key, "=...");
    if (std::string error = keyRule->Parse(item.substr(equals + 1), operation); !error.empty()) {
      return Concat(keyRule->Key, ": ", error);
    }
    colorGiven |= keyRule->Parse == ColorKey;
  }
  if (rule.Kind == OperationKind::Fill && !colorGiven) return "needs a colour: fill:color=RRGGBB";
  return {};
}

}  // namespace

Parsed<Operation> ParseOperation(std::string_view text) {
  const std::size_t colon = text.find(':');
  const std::string_view name = text.substr(0, colon);
  const OperationRule* rule = FindOperation(name);
  if (rule == nullptr) {
    return Parsed<Operation>::Fail(Concat("unknown operation ", Quoted(name), " (one of ", OperationList(), ")"));
  }
  Operation operation;
  operation.Kind = rule->Kind;
  operation.Name = std::string(rule->Name);
  const std::string_view keys = colon == std::string_view::npos ? std::string_view{} : text.substr(colon + 1);
  if (std::string error = ParseKeys(*rule, keys, operation); !error.empty()) {
    return Parsed<Operation>::Fail(operation.Name + ": " + error);
  }
  return {std::move(operation), {}};
}

void ApplyAssignments(const Operation& operation, Settings& settings) {
  for (const Assignment& assign : operation.Assignments) assign(settings);
}

std::string OperationKeys(OperationKind kind) {
  const auto it = std::find_if(Operations.begin(), Operations.end(), [&](const auto& r) { return r.Kind == kind; });
  return KeyList(*it);
}

}  // namespace tessmark::cli
