#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "app/UserMessage.h"
#include "palette/Palette.h"

namespace tessmark {

// A palette file (.gpal) is one byte N, the number of colours, then N entries of red, green, blue.
// Nothing else: no magic number, no version, and AllColor is not stored.
inline constexpr std::int32_t PaletteFileMaxColors = 255;

// Ok, or the message that tells the user what went wrong.
struct PaletteFileResult {
  bool Ok = true;
  UserMessage Message;
  int Error = 0;  // the errno of a file that could not be read or written
};

// Writes the palette's colours, replacing the file as a whole; on failure the file is as it was.
// A palette of 256 colours does not fit the one-byte count and is refused.
PaletteFileResult SavePaletteFile(const std::string& path, const Palette& palette);

// Takes the bytes of a palette file into the colour list, with the rules of LoadPaletteFile.
void ReadPaletteBytes(std::span<const std::uint8_t> bytes, Palette& palette);

// Reads a palette file into the colour list; AllColor is not touched. A file shorter than its count
// says still sets that count, replacing only the entries it holds; bytes after the entries are
// ignored. When the file cannot be read the palette is unchanged.
PaletteFileResult LoadPaletteFile(const std::string& path, Palette& palette);

}  // namespace tessmark
