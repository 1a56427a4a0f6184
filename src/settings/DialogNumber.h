#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessmark {

// The edit fields of the dialogs read at most this many characters.
inline constexpr std::size_t LongEditChars = 63;
inline constexpr std::size_t ShortEditChars = 31;

// Text to number as the dialogs convert it: only the first maxChars characters count; leading
// white space, an optional sign, then decimal digits up to the first other character (none gives
// 0); values beyond the 32-bit range saturate.
std::int32_t DialogNumber(std::string_view text, std::size_t maxChars = LongEditChars);

// A byte field keeps the low 8 bits of the converted number (300 becomes 44, -1 becomes 255).
constexpr std::uint8_t LowByte(std::int32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

}  // namespace tessmark
