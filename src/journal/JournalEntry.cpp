#include "journal/JournalEntry.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "files/FileBytes.h"
#include "journal/JournalFolder.h"
#include "recipe/Operation.h"
#include "recipe/OperationTable.h"
#include "recipe/Quoting.h"
#include "recipe/ResponseFile.h"

namespace tessmark {
namespace {

constexpr std::uint64_t MaxRecipeBytes = 16u << 20;
constexpr std::uint64_t MaxProgressBytes = 1u << 20;
constexpr std::size_t MaxSteps = 100000;
constexpr std::string_view StepsLine = "# Steps: ";
constexpr std::string_view PictureLine = "# Picture: ";

std::string_view AsText(const std::vector<std::uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::optional<std::size_t> ParseCount(std::string_view text) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// The value after a comment line's label, on the line that starts with it.
std::optional<std::string_view> LabelledLine(std::string_view text, std::string_view label) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    const std::string_view line = text.substr(at, end - at);
    if (line.starts_with(label)) return line.substr(label.size());
    at = end + 1;
  }
  return std::nullopt;
}

// The last line of the text, which must end with a newline.
std::optional<std::string_view> LastLine(std::string_view text) {
  if (!text.ends_with('\n')) return std::nullopt;
  text.remove_suffix(1);
  const std::size_t newline = text.rfind('\n');
  return newline == std::string_view::npos ? text : text.substr(newline + 1);
}

// One recorded run: a shape run has painted at least a shape, or it would repeat without end.
std::string AddStep(std::string_view word, JournalEntry& entry) {
  std::vector<OperationStep>& steps = entry.Steps;
  Parsed<Operation> operation = ParseOperation(word);
  if (!operation) return operation.Error;
  OperationStep step = steps.empty() ? OperationStep{} : steps.back();
  ApplyOperation(*operation.Value, step);
  const OperationRow& row = RowOf(step.Kind);
  if (row.Count && *row.Count(step.Records) <= 0) return Concat(row.Name, " with no count of shapes");
  if (row.Count) entry.Shapes += *row.Count(step.Records);
  steps.push_back(std::move(step));
  return {};
}

std::string ReadStart(std::span<const std::string> words, const std::string& startsFolder, JournalEntry& entry) {
  if (words.size() < 2) return "no start";
  const Parsed<std::string> value = Unquote(words[1]);
  if (!value) return value.Error;
  if (words[0] == "--input") {
    // The journal's own copies are found in it wherever the data folder has moved; a picture file
    // an imported recipe started from stays where it is.
    const std::filesystem::path path(*value.Value);
    entry.StartKept = path.parent_path().filename() == std::filesystem::path(startsFolder).filename();
    entry.StartPicture = entry.StartKept ? (std::filesystem::path(startsFolder) / path.filename()).string() : path.string();
    return {};
  }
  if (words[0] != "--size") return Concat("starts with ", Quoted(words[0]), ", not --size or --input");
  const Parsed<WidthHeight> size = ParseSize(*value.Value);
  if (!size || size.Value->Width != entry.Width || size.Value->Height != entry.Height) return "a start size that does not match";
  return {};
}

}  // namespace

std::string EntryRecipeText(const Recipe& recipe, const RecipeHeader& header, const std::string& startPath) {
  return Concat(RecipeText(recipe, header, startPath), StepsLine, std::to_string(recipe.Steps.size()), "\n");
}

std::string ProgressText(std::size_t after, const OperationStep& running) {
  return Concat("after ", std::to_string(after), "\n", WriteOperation(running), "\n");
}

Parsed<JournalEntry> ParseEntryRecipe(std::string_view text, const std::string& startsFolder) {
  using Result = Parsed<JournalEntry>;
  const std::optional<std::string_view> last = LastLine(text);
  const std::optional<std::size_t> stepCount =
      last && last->starts_with(StepsLine) ? ParseCount(last->substr(StepsLine.size())) : std::nullopt;
  if (!stepCount) return Result::Fail("cut off: its last line does not count its steps");
  if (*stepCount > MaxSteps) return Result::Fail("more steps than a session can hold");
  JournalEntry entry;
  const std::optional<std::string_view> size = LabelledLine(text, PictureLine);
  const Parsed<WidthHeight> parsedSize = size ? ParseSize(*size) : Parsed<WidthHeight>::Fail("no picture size");
  if (!parsedSize) return Result::Fail(parsedSize.Error);
  entry.Width = parsedSize.Value->Width;
  entry.Height = parsedSize.Value->Height;
  if (3ull * static_cast<std::uint64_t>(entry.Width) * static_cast<std::uint64_t>(entry.Height) > MaxPictureBytes)
    return Result::Fail("a picture too large");
  Parsed<std::vector<std::string>> words = ResponseFileWords(text, "the recipe");
  if (!words) return Result::Fail(words.Error);
  if (std::string error = ReadStart(*words.Value, startsFolder, entry); !error.empty()) return Result::Fail(error);
  if (words.Value->size() - 2 != *stepCount) return Result::Fail("damaged: its steps are not those it counts");
  for (std::size_t i = 2; i < words.Value->size(); ++i) {
    if (std::string error = AddStep((*words.Value)[i], entry); !error.empty()) return Result::Fail(error);
  }
  return {std::move(entry), {}};
}

std::string ApplyProgress(std::string_view text, JournalEntry& entry) {
  const std::size_t firstEnd = text.find('\n');
  if (firstEnd == std::string_view::npos || !text.starts_with("after ") || text.back() != '\n')
    return "a progress record cut off";
  const std::optional<std::size_t> after = ParseCount(text.substr(6, firstEnd - 6));
  const std::string_view word = text.substr(firstEnd + 1, text.size() - firstEnd - 2);
  if (!after || word.find('\n') != std::string_view::npos) return "a damaged progress record";
  if (*after != entry.Steps.size()) return "a progress record of another step";
  JournalEntry longer = entry;
  if (std::string error = AddStep(word, longer); !error.empty()) return error;
  if (!RowOf(longer.Steps.back().Kind).Count || !longer.Steps.back().Seed) return "a progress record of no shape run";
  longer.CutOff = true;
  entry = std::move(longer);
  return {};
}

Parsed<JournalEntry> ReadJournalEntry(const std::string& folder, const std::string& name) {
  const std::optional<std::int64_t> started = EntryStarted(name);
  if (!started) return Parsed<JournalEntry>::Fail("not a journal entry");
  const FileBytes recipe = ReadWholeFile(EntryPath(folder, name, journal_file::Recipe), MaxRecipeBytes);
  if (recipe.Error != 0) return Parsed<JournalEntry>::Fail(std::generic_category().message(recipe.Error));
  Parsed<JournalEntry> entry = ParseEntryRecipe(AsText(recipe.Bytes), StartsFolder(folder));
  if (!entry) return entry;
  entry.Value->Name = name;
  entry.Value->Started = *started;
  // A progress record that does not fit the recipe is one the recipe has overtaken.
  const FileBytes progress = ReadWholeFile(EntryPath(folder, name, journal_file::Progress), MaxProgressBytes);
  if (progress.Error == 0) ApplyProgress(AsText(progress.Bytes), *entry.Value);
  return entry;
}

}  // namespace tessmark
