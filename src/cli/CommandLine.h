#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "picture/Color.h"
#include "recipe/Operation.h"
#include "recipe/RecipeValues.h"

namespace tessmark::cli {

enum class OutputFormat { Jpeg, Png, Bmp };

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
  std::optional<bool> Connectable;
  std::optional<tessmark::MixRange> MixRange;
  std::optional<ColorRef> BlendColor;  // NoColorRef for "none"
  std::string OutputFile;
  OutputFormat Format = OutputFormat::Png;
  std::vector<Operation> Operations;
};

// The format named by the file's extension (.jpg/.jpeg, .png, .bmp, any case).
std::optional<OutputFormat> FormatOfFile(std::string_view path);

// args are the words after the program name; @FILE stands for the words of a response file, and
// option values may be quoted as operation values are.
Parsed<CommandLine> ParseCommandLine(std::span<const std::string> args);

}  // namespace tessmark::cli
