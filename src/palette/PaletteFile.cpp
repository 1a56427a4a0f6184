#include "palette/PaletteFile.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "files/FileBytes.h"

namespace tessmark {
namespace {

// Far above the 766 bytes of the largest palette file; anything bigger is some other kind of file.
constexpr std::uint64_t MaxPaletteFileBytes = 1 << 20;

PaletteFileResult Failure(std::string text) { return {false, {std::move(text), "TessmarkPalette", MessageIcon::Stop}}; }

PaletteFileResult FileFailure(const char* what, const std::string& path, int error) {
  const std::string reason = error == EFBIG ? "it is too large for a palette file" : std::generic_category().message(error);
  PaletteFileResult failure = Failure(std::string(what) + " " + path + ": " + reason);
  failure.Error = error;
  return failure;
}

}  // namespace

PaletteFileResult SavePaletteFile(const std::string& path, const Palette& palette) {
  if (palette.Count > PaletteFileMaxColors) return Failure("The palette file holds at most 255 colours");
  const std::int32_t count = std::max(palette.Count, 0);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(1 + 3 * static_cast<std::size_t>(count));
  bytes.push_back(static_cast<std::uint8_t>(count));
  for (std::int32_t i = 0; i < count; ++i) {
    const PaletteColor& c = palette.Colors[static_cast<std::size_t>(i)];
    bytes.insert(bytes.end(), {c.Red, c.Green, c.Blue});
  }
  if (const int error = WriteFileAtomically(path, bytes); error != 0) {
    return FileFailure("Cannot write the palette file", path, error);
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
  if (file.Error != 0) return FileFailure("Cannot read the palette file", path, file.Error);
  ReadPaletteBytes(file.Bytes, palette);
  return {};
}

}  // namespace tessmark
