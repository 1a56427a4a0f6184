#include "cli/Run.h"

#include <system_error>

#include "app/Version.h"
#include "app/config/Configuration.h"
#include "cli/CommandLine.h"
#include "cli/Help.h"
#include "cli/OutputFile.h"
#include "cli/PaintSession.h"
#include "cli/StartPicture.h"
#include "palette/PaletteFile.h"

namespace tessmark::cli {
namespace {

std::string LoadSettings(const CommandLine& line, Settings& settings) {
  if (!line.ConfigFile.empty()) {
    const ConfigurationLoad load = LoadConfiguration(line.ConfigFile, settings);
    if (load.Message) return load.Message->Text;
    if (!load.Loaded) {
      return Concat("cannot read the configuration file ", line.ConfigFile, ": ",
                    std::generic_category().message(load.Error));
    }
  }
  if (line.Connectable) settings.Config.Connectable = *line.Connectable ? 1 : 0;
  if (line.MixRange) settings.MixRange = *line.MixRange;
  if (line.BlendColor) settings.CurrentBlendColor = *line.BlendColor;
  return {};
}

// As loading the file in the palette editor, unticking "All Color" and pressing OK.
std::string LoadPalette(const CommandLine& line, Palette& palette, std::ostream& errors) {
  if (line.PaletteFile.empty()) return {};
  const PaletteFileResult load = LoadPaletteFile(line.PaletteFile, palette);
  if (!load.Ok) return load.Message.Text;
  if (load.LeftOut > 0) errors << "tessmark: " << load.Message.Text << '\n';
  palette.AllColor = false;
  return {};
}

std::string Paint(const CommandLine& line, const RunEnvironment& environment) {
  Settings settings;
  Palette palette;
  if (std::string error = LoadSettings(line, settings); !error.empty()) return error;
  if (std::string error = LoadPalette(line, palette, environment.Errors); !error.empty()) return error;
  Parsed<Picture> picture = StartPicture(line, settings, environment.ProgramDirectory);
  if (!picture) return picture.Error;
  PaintSession session{.Records = settings,
                       .Palette = palette,
                       .Target = *picture.Value,
                       .Environment = environment,
                       .FixedSeed = line.Seed,
                       .Random = RandomValue()};
  for (const Operation& operation : line.Operations) {
    if (std::string error = RunOperation(operation, session); !error.empty()) return error;
  }
  return WriteOutput(*picture.Value, line.Format, line.OutputFile);
}

}  // namespace

int RunCommandLine(std::span<const std::string> args, const RunEnvironment& environment) {
  const Parsed<CommandLine> line = ParseCommandLine(args);
  if (!line) {
    environment.Errors << "tessmark: " << line.Error << " (see tessmark --help)\n";
    return 2;
  }
  if (line.Value->Help) {
    environment.Out << HelpText();
    return 0;
  }
  if (line.Value->Version) {
    environment.Out << "tessmark " << ProgramVersion << '\n';
    return 0;
  }
  if (const std::string error = Paint(*line.Value, environment); !error.empty()) {
    environment.Errors << "tessmark: " << error << '\n';
    return 1;
  }
  return 0;
}

}  // namespace tessmark::cli
