#include "palette/PaletteFile.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "files/FileBytes.h"
#include "palette/GimpPalette.h"

namespace tessmark {
namespace {

// Far above the 766 bytes of the largest palette file and the few kilobytes of a GIMP palette;
// anything bigger is some other kind of file.
constexpr std::uint64_t MaxPaletteFileBytes = 1 << 20;

PaletteFileResult Failure(std::string text, std::string reason = {}) {
  return {false, {std::move(text), "TessmarkPalette", MessageIcon::Stop}, std::move(reason)};
}

PaletteFileResult Failure(const char* what, const std::string& path, const std::string& reason) {
  return Failure(std::string(what) + " " + path + ": " + reason, reason);
}

std::string ErrorReason(int error) {
  return error == EFBIG ? "it is too large for a palette file" : std::generic_category().message(error);
}

constexpr const char* ReadFailure = "Cannot read the palette file";

std::vector<std::uint8_t> PaletteFileBytes(const Palette& palette) {
  const std::int32_t count = std::max(palette.Count, 0);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(1 + 3 * static_cast<std::size_t>(count));
  bytes.push_back(static_cast<std::uint8_t>(count));
  for (std::int32_t i = 0; i < count; ++i) {
    const PaletteColor& c = palette.Colors[static_cast<std::size_t>(i)];
    bytes.insert(bytes.end(), {c.Red, c.Green, c.Blue});
  }
  return bytes;
}

// GIMP names a palette by the file's name without its folder and extension.
std::string PaletteName(const std::string& path) {
  const std::string name = path.substr(path.find_last_of('/') + 1);  // npos + 1 is 0
  return name.substr(0, name.find_last_of('.'));
}

std::vector<std::uint8_t> GimpPaletteBytes(const std::string& path, const Palette& palette) {
  const std::string text = WriteGimpPalette(palette, PaletteName(path));
  return {text.begin(), text.end()};
}

PaletteFileResult ReadGimpPaletteFile(const std::string& path, std::span<const std::uint8_t> bytes, Palette& palette) {
  const GimpPaletteRead read = ReadGimpPalette(bytes, palette);
  if (!read.Ok) return Failure(ReadFailure, path, "line " + std::to_string(read.Line) + ": " + read.Problem);
  if (read.LeftOut == 0) return {};
  return {true,
          {path + " holds more colours than a palette takes: the first " + std::to_string(PaletteCapacity) +
               " were loaded, " + std::to_string(read.LeftOut) + " were left out",
           "TessmarkPalette", MessageIcon::Information},
          {},
          read.LeftOut};
}

}  // namespace

PaletteFileResult SavePaletteFile(const std::string& path, const Palette& palette) {
  const bool gimp = IsGimpPalettePath(path);
  if (!gimp && palette.Count > PaletteFileMaxColors) return Failure("The palette file holds at most 255 colours");
  const std::vector<std::uint8_t> bytes = gimp ? GimpPaletteBytes(path, palette) : PaletteFileBytes(palette);
  if (const int error = WriteFileAtomically(path, bytes); error != 0) {
    return Failure("Cannot write the palette file", path, ErrorReason(error));
  }
  return {};
}

void ReadPaletteBytes(std::span<const std::uint8_t> bytes, Palette& palette) {
  if (bytes.empty()) {
    palette.Count = 0;
    return;
  }
  const std::int32_t count = bytes[0];
  // Byte by byte, as a plain read fills the entries: a cut-off entry keeps its remaining channels.
  const std::size_t present = std::min<std::size_t>(3 * static_cast<std::size_t>(count), bytes.size() - 1);
  for (std::size_t i = 0; i < present; ++i) {
    PaletteColor& entry = palette.Colors[i / 3];
    (i % 3 == 0 ? entry.Red : i % 3 == 1 ? entry.Green : entry.Blue) = bytes[1 + i];
  }
  palette.Count = count;
}

PaletteFileResult LoadPaletteFile(const std::string& path, Palette& palette) {
  const FileBytes file = ReadWholeFile(path, MaxPaletteFileBytes);
  if (file.Error != 0) return Failure(ReadFailure, path, ErrorReason(file.Error));
  if (IsGimpPalettePath(path)) return ReadGimpPaletteFile(path, file.Bytes, palette);
  ReadPaletteBytes(file.Bytes, palette);
  return {};
}

}  // namespace tessmark
