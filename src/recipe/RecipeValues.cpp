#include "recipe/RecipeValues.h"

#include <charconv>

namespace tessmark {
namespace {

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

Parsed<std::int32_t> ParseNumber(std::string_view text, std::size_t maxChars) {
  const std::string_view digits = !text.empty() && (text[0] == '+' || text[0] == '-') ? text.substr(1) : text;
  if (!IsDigits(digits)) return Parsed<std::int32_t>::Fail(Quoted(text) + " is not a whole number");
  return {DialogNumber(text, maxChars), {}};
}

Parsed<std::uint8_t> ParseFlag(std::string_view text) {
  if (text != "0" && text != "1") return Parsed<std::uint8_t>::Fail(Quoted(text) + " is not 0 or 1");
  return {static_cast<std::uint8_t>(text[0] - '0'), {}};
}

Parsed<Color> ParseHexColor(std::string_view text) {
  const std::string_view hex = !text.empty() && text[0] == '#' ? text.substr(1) : text;
  std::uint8_t bytes[3] = {};
  bool valid = hex.size() == 6;
  for (std::size_t i = 0; valid && i < 6; i += 2) {
    const int high = HexDigit(hex[i]), low = HexDigit(hex[i + 1]);
    valid = high >= 0 && low >= 0;
    bytes[i / 2] = static_cast<std::uint8_t>(high * 16 + low);
  }
  if (!valid) return Parsed<Color>::Fail(Quoted(text) + " is not a colour RRGGBB");
  return {Color{bytes[0], bytes[1], bytes[2]}, {}};
}

std::string HexColor(Color color) {
  constexpr char Digits[] = "0123456789ABCDEF";
  std::string text;
  for (const std::uint8_t byte : {color.Red, color.Green, color.Blue}) {
    text += Digits[byte >> 4];
    text += Digits[byte & 15];
  }
  return text;
}

Parsed<std::uint32_t> ParseSeed(std::string_view text) {
  std::uint32_t seed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
  if (!IsDigits(text) || error != std::errc{} || end != text.data() + text.size()) {
    return Parsed<std::uint32_t>::Fail(Quoted(text) + " is not a seed from 0 to 4294967295");
  }
  return {seed, {}};
}

Parsed<WidthHeight> ParseSize(std::string_view text) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string_view::npos) return Parsed<WidthHeight>::Fail(Quoted(text) + " is not a size WIDTHxHEIGHT");
  // The size goes through the new-picture dialog's short fields.
  const auto width = ParseNumber(text.substr(0, x), ShortEditChars);
  const auto height = ParseNumber(text.substr(x + 1), ShortEditChars);
  if (!width || !height) return Parsed<WidthHeight>::Fail(Quoted(text) + " is not a size WIDTHxHEIGHT");
  if (*width.Value < 4 || *height.Value < 4) return Parsed<WidthHeight>::Fail(MinimumSizeMessage);
  return {WidthHeight{*width.Value, *height.Value}, {}};
}

Parsed<MixRange> ParseMixage(std::string_view text) {
  const std::size_t dash = text.find('-');
  const auto from = ParseNumber(text.substr(0, dash), ShortEditChars);
  const auto to = dash == std::string_view::npos ? from : ParseNumber(text.substr(dash + 1), ShortEditChars);
  if (dash == std::string_view::npos || !from || !to) {
    return Parsed<MixRange>::Fail(Quoted(text) + " is not a mixage range FROM-TO");
  }
  return {MixRange{LowByte(*from.Value), LowByte(*to.Value)}, {}};
}

}  // namespace tessmark
