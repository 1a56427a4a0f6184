#include "cli/Run.h"

#include <filesystem>
#include <new>

#include "base/Version.h"
#include "cli/CommandLine.h"
#include "cli/Help.h"
#include "cli/OutputSet.h"
#include "cli/PaintSession.h"
#include "cli/ReadFailure.h"
#include "cli/RunCheck.h"
#include "cli/StartPicture.h"
#include "palette/PaletteFile.h"
#include "recipe/Recipe.h"
#include "settings/Configuration.h"
#include "textureset/TextureSet.h"

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

// The colours --recolor and each painted map give the shapes.
struct StandInColors {
  std::optional<MapColors> Recolor;
  std::vector<MapColors> Maps;
};

Parsed<StandInColors> LoadStandIns(const CommandLine& line) {
  std::vector<MapRequest> recolor;
  if (!line.RecolorFile.empty()) recolor.emplace_back().PaletteFile = line.RecolorFile;
  Parsed<std::vector<MapColors>> recolorColors = LoadMapColors(recolor);
  if (!recolorColors) return Parsed<StandInColors>::Fail(recolorColors.Error);
  Parsed<std::vector<MapColors>> maps = LoadMapColors(line.Maps);
  if (!maps) return Parsed<StandInColors>::Fail(maps.Error);
  StandInColors colors{std::nullopt, std::move(*maps.Value)};
  if (!recolorColors.Value->empty()) colors.Recolor = recolorColors.Value->front();
  return {std::move(colors), {}};
}

std::vector<ColorStandIn> StandInList(const CommandLine& line, const StandInColors& colors) {
  std::vector<ColorStandIn> list;
  if (colors.Recolor) list.push_back({"--recolor", line.RecolorFile, &*colors.Recolor});
  std::size_t k = 0;
  for (const MapRequest& request : line.Maps) {
    if (request.Type == MapRequest::Kind::Normal) continue;
    if (request.Type == MapRequest::Kind::Palette) list.push_back({"--map " + request.Name, request.PaletteFile, &colors.Maps[k]});
    ++k;
  }
  return list;
}

struct Failure {
  std::string Message;
  int Status = 1;
};

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
Failure Paint(const CommandLine& line, std::uint32_t seed, const RunEnvironment& environment, bool& seeded) {
  OperationStep step;
  if (std::string error = LoadSettings(line, step.Records); !error.empty()) return {error};
  if (std::string error = LoadPalette(line, step.Palette, environment.Errors); !error.empty()) return {error};
  const Parsed<StandInColors> colors = LoadStandIns(line);
  if (!colors) return {colors.Error};
  const RunCheck check = CheckRun(line, step, StandInList(line, *colors.Value));
  if (!check.Refusal.empty()) return {check.Refusal, 2};
  for (const std::string& warning : check.Warnings) environment.Errors << "tessmark: " << warning << '\n';
  Parsed<Picture> picture = StartPicture(line, step.Records, environment.ProgramDirectory);
  if (!picture) return {picture.Error};
  Parsed<std::vector<Picture>> maps = StartMaps(line.Maps, *picture.Value);
  if (!maps) return {maps.Error};
  WorkerPool workers(line.Threads.value_or(DefaultThreads()));
  std::vector<MapLayer> layers = MapLayers(line.Maps, *maps.Value, colors.Value->Maps);
  Recipe recipe{{picture.Value->Width, picture.Value->Height, nullptr, line.InputFile, false}, {}};
  PaintSession session{.Step = step,
                       .Target = *picture.Value,
                       .Environment = environment,
                       .Random = RandomValue(),
                       .Recolor = colors.Value->Recolor ? &*colors.Value->Recolor : nullptr,
                       .Maps = layers,
                       .Workers = &workers};
  for (const Operation& operation : line.Operations) {
    if (std::string error = RunWithinMemory(operation, seed++, session); !error.empty()) return {error};
    seeded |= DrewOnOfferedSeed(operation, session.Step);
    Record(recipe, session);
  }
  const std::string carried = colors.Value->Recolor ? std::string() : CarriedText(line, recipe);
  return {WriteTextureSet(line.Maps, line.OutputFile, *picture.Value, *maps.Value,
                          step.Records.Config.Connectable != 0, [&](std::span<const OutputPicture> pictures) {
                            // Only the picture itself: a recipe paints no map.
                            std::vector<OutputPicture> outputs(pictures.begin(), pictures.end());
                            outputs.front().Recipe = carried;
                            return WriteAllOrNone(outputs, line.Format, environment.TemporaryNamed);
                          })};
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
  if (const Failure failure = Paint(*line.Value, seed, environment, seeded); !failure.Message.empty()) {
    environment.Errors << "tessmark: " << failure.Message << '\n';
    return failure.Status;
  }
  // Once the picture is written, so that a failure stays one line.
  if (!line.Value->Seed && seeded) environment.Errors << "tessmark: seed " << seed << '\n';
  return 0;
}

}  // namespace tessmark::cli
