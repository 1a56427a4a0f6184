#pragma once

#include <cstdint>

namespace tessmark {

// One pixel or palette entry: red, green, blue in bytes 0, 1, 2.
struct Color {
  std::uint8_t Red = 0;
  std::uint8_t Green = 0;
  std::uint8_t Blue = 0;

  friend bool operator==(const Color&, const Color&) = default;
};

// Colours chosen in colour dialogs and kept in records are 0x00BBGGRR, red in the lowest byte.
using ColorRef = std::uint32_t;
inline constexpr ColorRef NoColorRef = 0xFFFFFFFFu;

constexpr Color ColorFromRef(ColorRef ref) {
  return {static_cast<std::uint8_t>(ref & 0xFF), static_cast<std::uint8_t>((ref >> 8) & 0xFF),
          static_cast<std::uint8_t>((ref >> 16) & 0xFF)};
}

constexpr ColorRef RefFromColor(Color c) {
  return ColorRef{c.Red} | (ColorRef{c.Green} << 8) | (ColorRef{c.Blue} << 16);
}

}  // namespace tessmark
