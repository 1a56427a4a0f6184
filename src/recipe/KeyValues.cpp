#include "recipe/KeyValues.h"

#include <filesystem>

#include "recipe/Quoting.h"

namespace tessmark {

Parsed<std::int32_t> Number(std::string_view text) { return ParseNumber(text); }

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

Parsed<std::vector<std::string>> ListItems(std::string_view raw) {
  std::vector<std::string> items;
  for (const std::string_view piece : SplitOutsideQuotes(raw, ';')) {
    Parsed<std::string> item = Unquote(piece);
    if (!item) return Parsed<std::vector<std::string>>::Fail(item.Error);
    if (!item.Value->empty()) items.push_back(std::move(*item.Value));
  }
  return {std::move(items), {}};
}

Parsed<PictureFiles> ParseFileList(std::string_view raw) {
  Parsed<std::vector<std::string>> files = ListItems(raw);
  if (files && files.Value->empty()) return Parsed<PictureFiles>::Fail("files needs at least one picture file");
  return files;
}

std::optional<std::string> WriteFileList(const PictureFiles& files) {
  if (files.empty()) return std::nullopt;
  std::string list;
  for (const std::string& path : files) {
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

}  // namespace tessmark
