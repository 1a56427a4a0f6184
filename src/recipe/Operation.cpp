#include "recipe/Operation.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <span>

#include "recipe/Quoting.h"

namespace tessmark {
namespace {

// Reads one key's value (quotes still in it) into the operation; returns why it was refused, or
// nothing.
using KeyParser = std::string (*)(std::string_view value, Operation& operation);
// The value a step runs with, written so that the parser reads it back; nothing to leave it out.
using KeyWriter = std::optional<std::string> (*)(const OperationStep& step);

struct KeyRule {
  std::string_view Key;
  KeyParser Parse;
  KeyWriter Write;
};

Parsed<std::int32_t> Number(std::string_view text) { return ParseNumber(text); }

// A byte field keeps the low 8 bits, as the dialog stores it.
Parsed<std::uint8_t> Byte(std::string_view text) {
  const auto number = ParseNumber(text);
  if (!number) return Parsed<std::uint8_t>::Fail(number.Error);
  return {LowByte(*number.Value), {}};
}

Parsed<std::uint8_t> Weight(std::string_view text) {
  const auto number = ParseNumber(text);
  if (!number || *number.Value < 0 || *number.Value > 255) {
    return Parsed<std::uint8_t>::Fail(Quoted(text) + " is not a weight from 0 to 255");
  }
  return {static_cast<std::uint8_t>(*number.Value), {}};
}

Parsed<ColorRef> BlendColor(std::string_view text) {
  if (text == "none") return {NoColorRef, {}};
  const auto color = ParseHexColor(text);
  if (!color) return Parsed<ColorRef>::Fail(color.Error + " or none");
  return {RefFromColor(*color.Value), {}};
}

// A value Parse reads from the unquoted text, stored where Target points in the step.
template <auto Parse, auto Target> std::string ValueKey(std::string_view raw, Operation& operation) {
  const Parsed<std::string> text = Unquote(raw);
  if (!text) return text.Error;
  const auto parsed = Parse(*text.Value);
  if (!parsed) return parsed.Error;
  operation.Assignments.push_back([v = *parsed.Value](OperationStep& step) { Target(step) = v; });
  return {};
}

template <auto Record, auto Field> auto& FieldOf(OperationStep& step) { return (step.Records.*Record).*Field; }

template <auto Record, auto Field> std::optional<std::string> WriteField(const OperationStep& step) {
  return std::to_string((step.Records.*Record).*Field);
}

template <auto Record, auto Field, auto Parse> constexpr KeyRule FieldKey(std::string_view key) {
  return {key, ValueKey<Parse, FieldOf<Record, Field>>, WriteField<Record, Field>};
}
template <auto Record, auto Field> constexpr KeyRule NumberKey(std::string_view key) {
  return FieldKey<Record, Field, Number>(key);
}
template <auto Record, auto Field> constexpr KeyRule ByteKey(std::string_view key) {
  return FieldKey<Record, Field, Byte>(key);
}
template <auto Record, auto Field> constexpr KeyRule FlagKey(std::string_view key) {
  return FieldKey<Record, Field, ParseFlag>(key);
}

// The unquoted pieces of a list separated by ';' outside quotes, empty pieces left out.
Parsed<std::vector<std::string>> ListItems(std::string_view raw) {
  std::vector<std::string> items;
  for (const std::string_view piece : SplitOutsideQuotes(raw, ';')) {
    Parsed<std::string> item = Unquote(piece);
    if (!item) return Parsed<std::vector<std::string>>::Fail(item.Error);
    if (!item.Value->empty()) items.push_back(std::move(*item.Value));
  }
  return {std::move(items), {}};
}

// Paths separated by ';', in the order given.
template <auto Record> std::string FilesKey(std::string_view raw, Operation& operation) {
  Parsed<std::vector<std::string>> files = ListItems(raw);
  if (!files) return files.Error;
  if (files.Value->empty()) return "files needs at least one picture file";
  operation.Assignments.push_back(
      [files = std::move(*files.Value)](OperationStep& step) { (step.Records.*Record).PictureFiles = files; });
  return {};
}

// Absolute, so that the recipe runs from any folder. An empty list has no spelling that reads back
// (files= refuses it), so the key is left out and the list stays as it was.
template <auto Record> std::optional<std::string> WriteFiles(const OperationStep& step) {
  if ((step.Records.*Record).PictureFiles.empty()) return std::nullopt;
  std::string list;
  for (const std::string& path : (step.Records.*Record).PictureFiles) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    list += Concat(list.empty() ? "" : ";", QuoteWhereNeeded(error ? path : absolute.string()));
  }
  return list;
}

std::string ColorsKey(std::string_view raw, Operation& operation) {
  if (raw == "all") {
    operation.Assignments.push_back([](OperationStep& step) { step.Palette.AllColor = true; });
    return {};
  }
  const Parsed<std::vector<std::string>> items = ListItems(raw);
  if (!items) return items.Error;
  if (items.Value->empty() || items.Value->size() > PaletteCapacity) {
    return Concat("give all, or 1 to ", std::to_string(PaletteCapacity), " colours RRGGBB;RRGGBB;...");
  }
  Palette palette;
  palette.AllColor = false;
  for (const std::string& item : *items.Value) {
    const Parsed<Color> color = ParseHexColor(item);
    if (!color) return color.Error;
    AddColor(palette, *color.Value);
  }
  operation.Assignments.push_back([palette](OperationStep& step) { step.Palette = palette; });
  return {};
}

std::optional<std::string> WriteColors(const OperationStep& step) {
  const Palette& palette = step.Palette;
  if (palette.AllColor || palette.Count <= 0) return "all";
  std::string list;
  for (std::int32_t i = 0; i < palette.Count; ++i) {
    list += Concat(i == 0 ? "" : ";", HexColor(palette.Colors[static_cast<std::size_t>(i)]));
  }
  return list;
}

std::optional<std::string> WriteSeed(const OperationStep& step) {
  if (!step.Seed) return std::nullopt;
  return std::to_string(*step.Seed);
}

std::optional<std::string> WriteMix(const OperationStep& step) {
  return Concat(std::to_string(step.Records.MixRange.From), "-", std::to_string(step.Records.MixRange.To));
}

std::optional<std::string> WriteBlendColor(const OperationStep& step) {
  const ColorRef key = step.Records.CurrentBlendColor;
  return key == NoColorRef ? "none" : HexColor(ColorFromRef(key));
}

std::optional<std::string> WriteFillColor(const OperationStep& step) { return HexColor(step.FillColor); }
std::optional<std::string> WriteFillFull(const OperationStep& step) { return step.FillFull ? "1" : "0"; }
std::optional<std::string> WriteFillWeight(const OperationStep& step) {
  if (step.FillFull || !step.FillWeight) return std::nullopt;
  return std::to_string(*step.FillWeight);
}

using S = Settings;
using K = OperationKind;

constexpr KeyRule CircleKeys[] = {NumberKey<&S::Circle, &CircleParams::Raymin>("raymin"),
                                  NumberKey<&S::Circle, &CircleParams::Raymax>("raymax"),
                                  NumberKey<&S::Circle, &CircleParams::Count>("count")};
constexpr KeyRule RectKeys[] = {NumberKey<&S::Rectangle, &RectangleParams::XMin>("xmin"),
                                NumberKey<&S::Rectangle, &RectangleParams::YMin>("ymin"),
                                NumberKey<&S::Rectangle, &RectangleParams::XMax>("xmax"),
                                NumberKey<&S::Rectangle, &RectangleParams::YMax>("ymax"),
                                NumberKey<&S::Rectangle, &RectangleParams::Count>("count")};
constexpr KeyRule PolygonKeys[] = {NumberKey<&S::Polygon, &PolygonParams::RayMin>("raymin"),
                                   NumberKey<&S::Polygon, &PolygonParams::RayMax>("raymax"),
                                   NumberKey<&S::Polygon, &PolygonParams::AngMin>("angmin"),
                                   NumberKey<&S::Polygon, &PolygonParams::AngMax>("angmax"),
                                   NumberKey<&S::Polygon, &PolygonParams::Count>("count"),
                                   FlagKey<&S::Polygon, &PolygonParams::Fill>("fill")};
constexpr KeyRule VectorKeys[] = {NumberKey<&S::Vector, &VectorParams::LengthMin>("lengthmin"),
                                  NumberKey<&S::Vector, &VectorParams::LengthMax>("lengthmax"),
                                  NumberKey<&S::Vector, &VectorParams::WeightMin>("weightmin"),
                                  NumberKey<&S::Vector, &VectorParams::WeightMax>("weightmax"),
                                  NumberKey<&S::Vector, &VectorParams::Count>("count"),
                                  FlagKey<&S::Vector, &VectorParams::Fill>("fill")};
constexpr KeyRule CircleMixKeys[] = {NumberKey<&S::CircleMix, &CircleMixParams::MixeMin>("mixemin"),
                                     NumberKey<&S::CircleMix, &CircleMixParams::MixeMax>("mixemax"),
                                     NumberKey<&S::CircleMix, &CircleMixParams::RadiusMin>("radiusmin"),
                                     NumberKey<&S::CircleMix, &CircleMixParams::RadiusMax>("radiusmax"),
                                     NumberKey<&S::CircleMix, &CircleMixParams::Count>("count"),
                                     {"files", FilesKey<&S::CircleMix>, WriteFiles<&S::CircleMix>}};
constexpr KeyRule TagKeys[] = {NumberKey<&S::Tag, &TagParams::Count>("count"),
                               {"files", FilesKey<&S::Tag>, WriteFiles<&S::Tag>}};
constexpr KeyRule FillKeys[] = {
    {"color", ValueKey<ParseHexColor, [](OperationStep& s) -> auto& { return s.FillColor; }>, WriteFillColor},
    {"full", ValueKey<ParseFlag, [](OperationStep& s) -> auto& { return s.FillFull; }>, WriteFillFull},
    {"weight", ValueKey<Weight, [](OperationStep& s) -> auto& { return s.FillWeight; }>, WriteFillWeight}};
constexpr KeyRule NoiseKeys[] = {ByteKey<&S::Noise, &NoiseParams::Percent>("percent"),
                                 NumberKey<&S::Noise, &NoiseParams::Germe>("germe"),
                                 FlagKey<&S::Noise, &NoiseParams::Monochromatique>("monochromatique")};

// The keys every operation takes; each is written only for the operations it changes.
struct CommonKeyRule {
  KeyRule Rule;
  unsigned WrittenFor;  // a bit for each OperationKind
};

template <class... Kinds> constexpr unsigned KindSet(Kinds... kinds) { return ((1u << static_cast<unsigned>(kinds)) | ...); }

constexpr unsigned Shapes = KindSet(K::Circle, K::Rect, K::Polygon, K::Vector, K::CircleMix, K::Tag);

const CommonKeyRule CommonKeyRules[] = {
    {{"seed", ValueKey<ParseSeed, [](OperationStep& s) -> auto& { return s.Seed; }>, WriteSeed},
     Shapes | KindSet(K::Noise)},
    {{"mix", ValueKey<ParseMixage, [](OperationStep& s) -> auto& { return s.Records.MixRange; }>, WriteMix}, Shapes},
    {FlagKey<&S::Config, &ConfigSettings::Connectable>("connectable"), Shapes},
    {{"colors", ColorsKey, WriteColors}, KindSet(K::Circle, K::Rect, K::Polygon, K::Vector)},
    {{"blendcolor", ValueKey<BlendColor, [](OperationStep& s) -> auto& { return s.Records.CurrentBlendColor; }>,
      WriteBlendColor},
     KindSet(K::Tag)},
};

struct OperationRule {
  std::string_view Name;
  OperationKind Kind;
  std::span<const KeyRule> Keys;
};

constexpr std::array<OperationRule, 8> Operations{{{"circle", K::Circle, CircleKeys},
                                                   {"rect", K::Rect, RectKeys},
                                                   {"polygon", K::Polygon, PolygonKeys},
                                                   {"vector", K::Vector, VectorKeys},
                                                   {"circlemix", K::CircleMix, CircleMixKeys},
                                                   {"tag", K::Tag, TagKeys},
                                                   {"fill", K::Fill, FillKeys},
                                                   {"noise", K::Noise, NoiseKeys}}};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

template <class Rules, class NameOf> std::string NameList(const Rules& rules, NameOf nameOf) {
  std::string list;
  for (const auto& rule : rules) list += Concat(list.empty() ? "" : ", ", nameOf(rule));
  return list;
}

std::string KeyList(const OperationRule& rule) {
  return NameList(rule.Keys, [](const KeyRule& k) { return k.Key; });
}

const OperationRule* FindOperation(std::string_view name) {
  const std::string lower = Lower(name);
  const auto it = std::find_if(Operations.begin(), Operations.end(), [&](const auto& r) { return r.Name == lower; });
  return it == Operations.end() ? nullptr : &*it;
}

const OperationRule& RuleOf(OperationKind kind) {
  return *std::find_if(Operations.begin(), Operations.end(), [&](const auto& r) { return r.Kind == kind; });
}

const KeyRule* FindKey(const OperationRule& rule, std::string_view key) {
  const std::string lower = Lower(key);
  for (const KeyRule& k : rule.Keys) {
    if (k.Key == lower) return &k;
  }
  for (const CommonKeyRule& common : CommonKeyRules) {
    if (common.Rule.Key == lower) return &common.Rule;
  }
  return nullptr;
}

// Reads the comma-separated key=value list; returns why it was refused, or nothing.
std::string ParseKeys(const OperationRule& rule, std::string_view list, Operation& operation) {
  bool colorGiven = false;
  for (const std::string_view item : SplitOutsideQuotes(list, ',')) {
    if (item.empty()) continue;
    const std::size_t equals = item.find('=');
    const std::string_view key = item.substr(0, equals);
    const KeyRule* keyRule = FindKey(rule, key);
    if (keyRule == nullptr) {
      return Concat("unknown key ", Quoted(key), " (", rule.Name, " takes ", KeyList(rule), "; every operation ",
                    CommonKeys(), ")");
    }
    if (equals == std::string_view::npos) return Concat(keyRule->Key, " needs a value: ", keyRule->Key, "=...");
    if (std::string error = keyRule->Parse(item.substr(equals + 1), operation); !error.empty()) {
      return Concat(keyRule->Key, ": ", error);
    }
    colorGiven |= keyRule->Write == WriteFillColor;
  }
  if (rule.Kind == K::Fill && !colorGiven) return "needs a colour: fill:color=RRGGBB";
  return {};
}

}  // namespace

Parsed<Operation> ParseOperation(std::string_view text) {
  const std::size_t colon = text.find(':');
  const std::string_view name = text.substr(0, colon);
  const OperationRule* rule = FindOperation(name);
  if (rule == nullptr) {
    return Parsed<Operation>::Fail(Concat("unknown operation ", Quoted(name), " (one of ",
                                          NameList(Operations, [](const OperationRule& r) { return r.Name; }), ")"));
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

void ApplyOperation(const Operation& operation, OperationStep& step) {
  step.Kind = operation.Kind;
  step.Seed.reset();
  step.FillColor = {};
  step.FillFull = true;
  step.FillWeight.reset();
  for (const Assignment& assign : operation.Assignments) assign(step);
}

std::string WriteOperation(const OperationStep& step) {
  const OperationRule& rule = RuleOf(step.Kind);
  std::string word(rule.Name);
  char separator = ':';
  const auto add = [&](const KeyRule& key) {
    const std::optional<std::string> value = key.Write(step);
    if (!value) return;
    word += Concat(std::string_view(&separator, 1), key.Key, "=", *value);
    separator = ',';
  };
  for (const KeyRule& key : rule.Keys) add(key);
  for (const CommonKeyRule& common : CommonKeyRules) {
    if ((common.WrittenFor & KindSet(step.Kind)) != 0) add(common.Rule);
  }
  return word;
}

std::string_view OperationName(OperationKind kind) { return RuleOf(kind).Name; }

std::string OperationKeys(OperationKind kind) { return KeyList(RuleOf(kind)); }

std::string CommonKeys() {
  return NameList(CommonKeyRules, [](const CommonKeyRule& c) { return c.Rule.Key; });
}

}  // namespace tessmark
