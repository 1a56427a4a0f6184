#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "picture/Color.h"
#include "settings/DialogNumber.h"
#include "settings/ParameterRecords.h"

namespace tessmark {

// Message text from pieces. (Appending also sidesteps a false -Wrestrict of GCC 12 on
// "literal" + std::string.)
template <class... Pieces> std::string Concat(const Pieces&... pieces) {
  std::string text;
  (text.append(std::string_view(pieces)), ...);
  return text;
}

inline std::string Quoted(std::string_view text) { return Concat("'", text, "'"); }

// A value or the reason it was refused, ready for a one-line message.
template <class T> struct Parsed {
  std::optional<T> Value;
  std::string Error;

  static Parsed Fail(std::string error) { return {std::nullopt, std::move(error)}; }
  explicit operator bool() const { return Value.has_value(); }
};

// An optional sign and decimal digits, converted as the dialogs convert typed text (so out-of-range
// values saturate); anything else is refused rather than read as 0.
Parsed<std::int32_t> ParseNumber(std::string_view text, std::size_t maxChars = LongEditChars);

// A check box value: 0 or 1.
Parsed<std::uint8_t> ParseFlag(std::string_view text);

// Six hexadecimal digits, red first, an optional leading '#'.
Parsed<Color> ParseHexColor(std::string_view text);

// The colour as ParseHexColor reads it back: six upper-case digits, red first.
std::string HexColor(Color color);

// 0 ... 4294967295.
Parsed<std::uint32_t> ParseSeed(std::string_view text);

struct WidthHeight {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
};

// WxH; both at least 4.
Parsed<WidthHeight> ParseSize(std::string_view text);

inline constexpr char MinimumSizeMessage[] = "The picture should be have a minimum size 4,4";

// FROM-TO percentages; each keeps its low 8 bits, as the mixage dialog stores them.
Parsed<MixRange> ParseMixage(std::string_view text);

}  // namespace tessmark
