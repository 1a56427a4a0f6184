#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "imageio/PictureFormats.h"
#include "paint/WorkerPool.h"
#include "picture/Color.h"
#include "recipe/Operation.h"
#include "recipe/RecipeValues.h"
#include "textureset/MapRequest.h"

namespace tessmark::cli {

// A format of the picture-format table that has a writer.
using OutputFormat = PictureFormatId;

// Everything the command line asks for, checked; what it leaves out comes from the configuration
// file or the record defaults when the run starts.
struct CommandLine {
  bool Help = false;
  bool Version = false;
  std::optional<WidthHeight> Size;
  std::string InputFile;
  std::optional<std::uint32_t> Seed;
  std::string ConfigFile;
  std::string PaletteFile;
  std::string RecolorFile;
  std::optional<bool> Connectable;
  std::optional<tessmark::MixRange> MixRange;
  std::optional<ColorRef> BlendColor;  // NoColorRef for "none"
  std::optional<std::int32_t> Threads;
  std::string OutputFile;
  OutputFormat Format = OutputFormat::Png;
  bool CarryRecipe = true;  // --no-recipe: the picture file goes without the recipe inside it
  std::vector<Operation> Operations;
  std::vector<MapRequest> Maps;  // in the order given
};

// The written format the file's extension names, in any letter case.
std::optional<OutputFormat> FormatOfFile(std::string_view path);

// args are the words after the program name; @FILE stands for the words of a response file, and
// option values may be quoted as operation values are.
Parsed<CommandLine> ParseCommandLine(std::span<const std::string> args);

}  // namespace tessmark::cli
