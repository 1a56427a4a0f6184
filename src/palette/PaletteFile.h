#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/UserMessage.h"
#include "palette/Palette.h"

namespace tessmark {

// A palette file (.gpal) is one byte N, the number of colours, then N entries of red, green, blue.
// Nothing else: no magic number, no version, and AllColor is not stored.
inline constexpr std::int32_t PaletteFileMaxColors = 255;

// Ok, or the message that tells the user what went wrong. A load that had to leave colours out
// is Ok and its message says how many.
struct PaletteFileResult {
  bool Ok = true;
  UserMessage Message;
  std::string Reason;  // why a file could not be read or written, without its name
  std::int32_t LeftOut = 0;
};

// Writes the palette's colours, replacing the file as a whole; on failure the file is as it was.
// A name ending in .gpl gets a GIMP palette, any other the palette file format, where a palette of
// 256 colours does not fit the one-byte count and is refused.
PaletteFileResult SavePaletteFile(const std::string& path, const Palette& palette);

// Takes the bytes of a palette file into the colour list, with the rules of LoadPaletteFile.
void ReadPaletteBytes(std::span<const std::uint8_t> bytes, Palette& palette);

// Reads a palette file, or a GIMP palette when the name ends in .gpl, into the colour list; AllColor
// is not touched. A palette file shorter than its count says still sets that count, replacing only
// the entries it holds; bytes after the entries are ignored. When the file cannot be read, or is
// not a GIMP palette, the palette is unchanged.
PaletteFileResult LoadPaletteFile(const std::string& path, Palette& palette);

}  // namespace tessmark
