#include "palette/GimpPalette.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tessmark {
namespace {

constexpr std::string_view Header = "GIMP Palette";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view NeedsThreeNumbers = "a colour needs three whole numbers 0 to 255 (red, green, blue)";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimStart(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view TrimEnd(std::string_view text) {
  while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

// Reads one channel off the front of rest; the problem, or nothing when it was a number 0 ... 255.
std::string TakeChannel(std::string_view& rest, std::uint8_t& channel) {
  rest = TrimStart(rest);
  const auto digits = static_cast<std::size_t>(std::find_if_not(rest.begin(), rest.end(), IsDigit) - rest.begin());
  if (digits == 0 || (digits < rest.size() && !IsBlank(rest[digits]))) return std::string(NeedsThreeNumbers);
  unsigned value = 0;
  for (const char digit : rest.substr(0, digits)) value = std::min(value * 10 + unsigned(digit - '0'), 256u);
  if (value > 255) {
    const std::string_view shown = rest.substr(0, std::min<std::size_t>(digits, 12));
    return std::string(shown) + (digits > shown.size() ? "..." : "") + " is outside 0 to 255";
  }
  channel = static_cast<std::uint8_t>(value);
  rest.remove_prefix(digits);
  return {};
}

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

// Comments, blank lines and the name and column lines carry no colour.
bool CarriesNoColour(std::string_view line) {
  return line.empty() || line.front() == '#' || StartsWith(line, "Name:") || StartsWith(line, "Columns:");
}

// The next line of text, without its end and surrounding blanks.
std::string_view TakeLine(std::string_view& text) {
  const std::size_t end = std::min(text.find('\n'), text.size());
  const std::string_view line = TrimEnd(TrimStart(text.substr(0, end)));
  text.remove_prefix(std::min(end + 1, text.size()));
  return line;
}

// The problem of a colour line, or nothing with the colour read into color.
std::string ReadColour(std::string_view line, PaletteColor& color) {
  for (std::uint8_t* channel : {&color.Red, &color.Green, &color.Blue}) {
    if (std::string problem = TakeChannel(line, *channel); !problem.empty()) return problem;
  }
  return {};
}

GimpPaletteRead Refusal(std::int32_t line, std::string problem) { return {false, line, std::move(problem), 0}; }

// A file name may hold any byte but the name line must stay one line.
std::string OneLine(std::string_view name) {
  std::string line(name);
  std::replace_if(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
  return line;
}

}  // namespace

GimpPaletteRead ReadGimpPalette(std::span<const std::uint8_t> bytes, Palette& palette) {
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (StartsWith(text, ByteOrderMark)) text.remove_prefix(ByteOrderMark.size());
  if (TakeLine(text) != Header) return Refusal(1, "not a GIMP palette: the first line must be \"GIMP Palette\"");
  Palette read;  // the palette changes only once the whole file proved sound
  std::int32_t total = 0;
  for (std::int32_t number = 2; !text.empty(); ++number) {
    const std::string_view line = TakeLine(text);
    if (CarriesNoColour(line)) continue;
    PaletteColor color;
    if (std::string problem = ReadColour(line, color); !problem.empty()) return Refusal(number, std::move(problem));
    AddColor(read, color);
    ++total;
  }
  std::copy_n(read.Colors.begin(), read.Count, palette.Colors.begin());
  palette.Count = read.Count;
  return {true, 0, {}, total - read.Count};
}

std::string WriteGimpPalette(const Palette& palette, std::string_view name) {
  std::string text = std::string(Header) + "\nName: " + OneLine(name) + "\nColumns: 16\n#\n";
  for (std::int32_t i = 0; i < palette.Count; ++i) {
    const PaletteColor& c = palette.Colors[static_cast<std::size_t>(i)];
    std::array<char, 32> line{};
    std::snprintf(line.data(), line.size(), "%3d %3d %3d\t#%02x%02x%02x\n", c.Red, c.Green, c.Blue, c.Red, c.Green, c.Blue);
    text += line.data();
  }
  return text;
}

bool IsGimpPalettePath(std::string_view path) {
  const std::size_t nameStart = path.find_last_of('/') + 1;  // npos + 1 is 0
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || dot < nameStart) return false;
  std::string extension(path.substr(dot));
  std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
  return extension == ".gpl";
}

}  // namespace tessmark
