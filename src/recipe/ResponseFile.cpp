#include "recipe/ResponseFile.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "files/FileBytes.h"
#include "recipe/PngRecipe.h"
#include "recipe/Quoting.h"
#include "recipe/RecipePaths.h"

namespace tessmark {
namespace {

constexpr std::string_view Blanks = " \t\r\f\v";

// A recipe is a few kilobytes; these stop a file that names itself again and again from growing
// the command line without end.
constexpr std::uint64_t MaxResponseFileBytes = 16u << 20;
constexpr std::uint64_t MaxResponseBytesInAll = 64u << 20;

bool IsResponseFile(std::string_view word) { return word.size() > 1 && word[0] == '@'; }

class Expansion {
 public:
  std::string Error;
  std::vector<std::string> Words;

  bool Add(std::vector<std::string> args, int depth) {
    Words.reserve(Words.size() + args.size());
    for (std::string& word : args) {
      if (!IsResponseFile(word)) {
        Words.push_back(std::move(word));
      } else if (!Read(word.substr(1), depth + 1)) {
        return false;
      }
    }
    return true;
  }

 private:
  bool Read(const std::string& path, int depth) {
    if (depth > MaxResponseFileDepth) {
      return Fail(Concat(path, ": response files nested more than ", std::to_string(MaxResponseFileDepth), " deep"));
    }
    bool whole = false;
    const FileBytes file = ReadFileStart(path, MaxResponseFileBytes, whole);
    const int error = file.Error != 0 || StartsAsPng(file.Bytes) || whole ? file.Error : EFBIG;
    if (error != 0) {
      const std::string reason =
          error == EFBIG ? "too large for a response file" : std::generic_category().message(error);
      return Fail(Concat("cannot read ", path, ": ", reason));
    }
    if (StartsAsPng(file.Bytes)) return ReadPicture(path, file.Bytes, depth);
    return AddText(path, std::string_view(reinterpret_cast<const char*>(file.Bytes.data()), file.Bytes.size()),
                   std::nullopt, depth);
  }

  bool ReadPicture(const std::string& path, std::span<const std::uint8_t> bytes, int depth) {
    const Parsed<std::string> recipe = ReadPngRecipe(bytes);
    if (!recipe) return Fail(Concat("cannot read the recipe of ", path, ": ", recipe.Error));
    return AddText(path, *recipe.Value, std::filesystem::path(path).parent_path().string(), depth);
  }

  // A picture's recipe (folder: the picture's) names its files from that folder and may say nothing
  // but how the picture was painted.
  bool AddText(const std::string& path, std::string_view text, const std::optional<std::string>& folder, int depth) {
    bytesRead_ += text.size();
    if (bytesRead_ > MaxResponseBytesInAll) return Fail(Concat(path, ": response files too large in all"));
    Parsed<std::vector<std::string>> words = ResponseFileWords(text, path);
    if (!words) return Fail(words.Error);
    if (!folder) return Add(std::move(*words.Value), depth);
    if (const std::string stray = StrayRecipeWord(*words.Value); !stray.empty()) {
      return Fail(Concat("cannot read the recipe of ", path, ": it holds ", Quoted(stray)));
    }
    return Add(RespellPaths(std::move(*words.Value), [&](const std::string& p) { return PathInFolder(p, *folder); }),
               depth);
  }

  bool Fail(std::string error) {
    Error = std::move(error);
    return false;
  }

  std::uint64_t bytesRead_ = 0;
};

}  // namespace

Parsed<std::vector<std::string>> ResponseFileWords(std::string_view text, std::string_view origin) {
  std::vector<std::string> words;
  const auto addWord = [&](std::string_view word) {
    if (!word.empty()) words.emplace_back(word);
  };
  std::size_t lineNumber = 0;
  for (std::size_t lineStart = 0; lineStart < text.size();) {
    const std::size_t lineEnd = std::min(text.find('\n', lineStart), text.size());
    const std::string_view line = text.substr(lineStart, lineEnd - lineStart);
    lineStart = lineEnd + 1;
    ++lineNumber;
    const std::size_t first = line.find_first_not_of(Blanks);
    if (first == std::string_view::npos || line[first] == '#') continue;
    if (!ForEachPieceOutsideQuotes(line, Blanks, addWord)) {
      return Parsed<std::vector<std::string>>::Fail(
          Concat(origin, ":", std::to_string(lineNumber), ": unterminated quote"));
    }
  }
  return {std::move(words), {}};
}

Parsed<std::vector<std::string>> ExpandResponseFiles(std::span<const std::string> args) {
  Expansion expansion;
  if (!expansion.Add({args.begin(), args.end()}, 0)) return Parsed<std::vector<std::string>>::Fail(expansion.Error);
  return {std::move(expansion.Words), {}};
}

}  // namespace tessmark
