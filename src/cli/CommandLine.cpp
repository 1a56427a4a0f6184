#include "cli/CommandLine.h"

#include "cli/MapOptions.h"

#include "imageio/PictureFormatWords.h"
#include "recipe/Quoting.h"
#include "recipe/ResponseFile.h"
#include "textureset/TextureSet.h"

namespace tessmark::cli {
namespace {

// The options that take a value; each stores it into the command line or says why it cannot.
using ValueOption = std::string (*)(std::string_view value, CommandLine& line);

template <class T> std::string Store(const Parsed<T>& parsed, std::optional<T>& into) {
  if (parsed) into = parsed.Value;
  return parsed.Error;
}

std::string SizeOption(std::string_view v, CommandLine& line) { return Store(ParseSize(v), line.Size); }
std::string SeedOption(std::string_view v, CommandLine& line) { return Store(ParseSeed(v), line.Seed); }
std::string MixOption(std::string_view v, CommandLine& line) { return Store(ParseMixage(v), line.MixRange); }

std::string ThreadsOption(std::string_view v, CommandLine& line) {
  const Parsed<std::int32_t> threads = ParseNumber(v);
  if (!threads || *threads.Value < 1 || *threads.Value > MaxThreads) {
    return Concat(Quoted(v), " is not a number of threads from 1 to ", std::to_string(MaxThreads));
  }
  line.Threads = threads.Value;
  return {};
}

template <std::string CommandLine::*File> std::string FileOption(std::string_view v, CommandLine& line) {
  if (v.empty()) return "needs a file name";
  line.*File = v;
  return {};
}

std::string BlendColorOption(std::string_view v, CommandLine& line) {
  if (v == "none") {
    line.BlendColor = NoColorRef;
    return {};
  }
  const auto color = ParseHexColor(v);
  if (color) line.BlendColor = RefFromColor(*color.Value);
  return color.Error;
}

std::string OutputOption(std::string_view v, CommandLine& line) {
  const auto format = FormatOfFile(v);
  if (!format) return Quoted(v) + " does not end in " + WrittenExtensions();
  line.OutputFile = v;
  line.Format = *format;
  return {};
}

template <std::string (*Parse)(std::string_view, MapRequest&)> std::string MapOption(std::string_view v, CommandLine& line) {
  MapRequest request;
  std::string error = Parse(v, request);
  if (error.empty()) line.Maps.push_back(std::move(request));
  return error;
}

struct OptionRule {
  std::string_view Name;
  ValueOption Store;
};

constexpr OptionRule ValueOptions[] = {{"--size", SizeOption},   {"--input", FileOption<&CommandLine::InputFile>},
                                       {"--seed", SeedOption},   {"--config", FileOption<&CommandLine::ConfigFile>},
                                       {"--palette", FileOption<&CommandLine::PaletteFile>},
                                       {"--recolor", FileOption<&CommandLine::RecolorFile>},
                                       {"--map", MapOption<ParseMapOption>}, {"--normal", MapOption<ParseNormalOption>},
                                       {"--mix", MixOption},
                                       {"--blend-color", BlendColorOption}, {"--threads", ThreadsOption},
                                       {"-o", OutputOption},
                                       {"--output", OutputOption}};

const OptionRule* FindValueOption(std::string_view name) {
  for (const OptionRule& rule : ValueOptions) {
    if (rule.Name == name) return &rule;
  }
  return nullptr;
}

// Takes the option at args[i] (and its value, advancing i); returns why it was refused, or nothing.
std::string ParseOption(std::span<const std::string> args, std::size_t& i, CommandLine& line) {
  const std::string_view word = args[i];
  if (word == "--help" || word == "-h") {
    line.Help = true;
    return {};
  }
  if (word == "--version") {
    line.Version = true;
    return {};
  }
  if (word == "--connectable" || word == "--no-connectable") {
    line.Connectable = word == "--connectable";
    return {};
  }
  if (word == "--no-recipe") {
    line.CarryRecipe = false;
    return {};
  }
  const std::size_t equals = word.find('=');
  const std::string_view name = word.substr(0, equals);
  const OptionRule* rule = FindValueOption(name);
  if (rule == nullptr) return "unknown option " + Quoted(name);
  std::string_view quoted;
  if (equals != std::string_view::npos) {
    quoted = word.substr(equals + 1);
  } else if (i + 1 < args.size()) {
    quoted = args[++i];
  } else {
    return std::string(name) + " needs a value";
  }
  const Parsed<std::string> value = Unquote(quoted);
  std::string error = value ? rule->Store(*value.Value, line) : value.Error;
  if (!error.empty()) return std::string(name) + ": " + error;
  return {};
}

std::string CheckComplete(const CommandLine& line) {
  if (line.Size && !line.InputFile.empty()) return "--size and --input cannot be used together";
  if (line.OutputFile.empty()) return "no output file: give -o " + WrittenExtensions({.Prefix = "OUT"});
  return CheckMapRequests(line.Maps, line.OutputFile);
}

}  // namespace

std::optional<OutputFormat> FormatOfFile(std::string_view path) {
  const PictureFormat* format = PictureFormatOfName(path);
  if (format == nullptr || format->Write == nullptr) return std::nullopt;
  return format->Id;
}

Parsed<CommandLine> ParseCommandLine(std::span<const std::string> words) {
  const Parsed<std::vector<std::string>> expanded = ExpandResponseFiles(words);
  if (!expanded) return Parsed<CommandLine>::Fail(expanded.Error);
  const std::vector<std::string>& args = *expanded.Value;
  CommandLine line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string error;
    if (args[i].size() > 1 && args[i][0] == '-') {
      error = ParseOption(std::span(args), i, line);
    } else {
      auto operation = ParseOperation(args[i]);
      if (operation) line.Operations.push_back(std::move(*operation.Value));
      error = operation.Error;
    }
    if (!error.empty()) return Parsed<CommandLine>::Fail(error);
    if (line.Help || line.Version) return {std::move(line), {}};
  }
  if (std::string error = CheckComplete(line); !error.empty()) return Parsed<CommandLine>::Fail(error);
  return {std::move(line), {}};
}

}  // namespace tessmark::cli
