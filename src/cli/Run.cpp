#include "cli/Run.h"

#include <filesystem>
#include <new>

#include "base/Version.h"
#include "cli/CommandLine.h"
#include "cli/Help.h"
#include "cli/OutputFile.h"
#include "cli/PaintSession.h"
#include "cli/ReadFailure.h"
#include "cli/StartPicture.h"
#include "palette/PaletteFile.h"
#include "recipe/Recipe.h"
#include "settings/Configuration.h"

namespace tessmark::cli {
namespace {

std::string LoadSettings(const CommandLine& line, Settings& settings) {
  if (!line.ConfigFile.empty()) {
    const ConfigurationLoad load = LoadConfiguration(line.ConfigFile, settings);
    if (!load.Loaded) return CannotRead(line.ConfigFile, ConfigurationReason(load));
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
  if (!load.Ok) return CannotRead(line.PaletteFile, load.Reason);
  if (load.LeftOut > 0) errors << "tessmark: " << load.Message.Text << '\n';
  palette.AllColor = false;
  return {};
}

// Memory running out part way through an operation ends the run before anything is written.
std::string RunWithinMemory(const Operation& operation, std::uint32_t seed, PaintSession& session) {
  try {
    return RunOperation(operation, seed, session);
  } catch (const std::bad_alloc&) {
    return Concat("not enough memory to run ", operation.Name);
  }
}

bool NamesItsSeed(const Operation& operation) {
  OperationStep probe;
  ApplyOperation(operation, probe);
  return probe.Seed.has_value();
}

// A fill draws nothing at random, and a noise with a germe of its own draws from that.
bool DrewOnOfferedSeed(const Operation& operation, const OperationStep& ran) {
  if (ran.Kind == OperationKind::Fill) return false;
  if (ran.Kind == OperationKind::Noise && ran.Records.Noise.Germe != 0) return false;
  return !NamesItsSeed(operation);
}

// What a replay of the run needs: the count a stopped run got to, the weight a mixed fill used.
void Record(Recipe& recipe, const PaintSession& session) {
  const OperationStep& ran = session.Step;
  if (ran.Kind == OperationKind::Fill) {
    RecordFill(recipe, ran.Records, ran.FillColor, ran.FillFull, ran.FillWeight.value_or(session.CurrentBlendWeight));
  } else {
    RecordRun(recipe, ran.Kind, ran.Records, ran.Palette, *ran.Seed, session.ShapesPainted);
  }
}

std::string CarriedText(const CommandLine& line, const Recipe& recipe) {
  if (!line.CarryRecipe) return {};
  return CarriedRecipe(RecipeLines(recipe, {}), std::filesystem::path(line.OutputFile).parent_path().string());
}

// Operation k (from 1) is seeded with seed + k - 1 unless it names its own, so repeated
// operations paint different shapes and each can be repeated alone. seeded tells whether any drew
// on seed, which is then worth telling.
std::string Paint(const CommandLine& line, std::uint32_t seed, const RunEnvironment& environment, bool& seeded) {
  OperationStep step;
  if (std::string error = LoadSettings(line, step.Records); !error.empty()) return error;
  if (std::string error = LoadPalette(line, step.Palette, environment.Errors); !error.empty()) return error;
  Parsed<Picture> picture = StartPicture(line, step.Records, environment.ProgramDirectory);
  if (!picture) return picture.Error;
  PaintSession session{.Step = step, .Target = *picture.Value, .Environment = environment, .Random = RandomValue()};
  Recipe recipe{{picture.Value->Width, picture.Value->Height, nullptr, line.InputFile, false}, {}};
  for (const Operation& operation : line.Operations) {
    if (std::string error = RunWithinMemory(operation, seed++, session); !error.empty()) return error;
    seeded |= DrewOnOfferedSeed(operation, session.Step);
    Record(recipe, session);
  }
  return WriteOutput(*picture.Value, line.Format, line.OutputFile, environment.TemporaryNamed,
                     CarriedText(line, recipe));
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
  const std::uint32_t seed = line.Value->Seed ? *line.Value->Seed : environment.RandomSeed();
  bool seeded = false;
  if (const std::string error = Paint(*line.Value, seed, environment, seeded); !error.empty()) {
    environment.Errors << "tessmark: " << error << '\n';
    return 1;
  }
  // Once the picture is written, so that a failure stays one line.
  if (!line.Value->Seed && seeded) environment.Errors << "tessmark: seed " << seed << '\n';
  return 0;
}

}  // namespace tessmark::cli
