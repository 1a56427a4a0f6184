#include "recipe/RecipePaths.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <utility>

#include "recipe/Quoting.h"

namespace tessmark {
namespace {

namespace fs = std::filesystem;

fs::path Absolute(const std::string& path) {
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error);
  return (error ? fs::path(path) : absolute).lexically_normal();
}

bool SameLetters(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return (x | 0x20) == (y | 0x20); });
}

// A quoted value spelt anew; left as it is when it does not unquote.
std::string RespellValue(std::string_view quoted, const PathSpelling& spell) {
  const Parsed<std::string> path = Unquote(quoted);
  if (!path || path.Value->empty()) return std::string(quoted);
  return QuoteWhereNeeded(spell(*path.Value));
}

std::string RespellList(std::string_view list, const PathSpelling& spell) {
  std::string out;
  for (const std::string_view item : SplitOutsideQuotes(list, ';')) {
    out += Concat(out.empty() ? "" : ";", RespellValue(item, spell));
  }
  return out;
}

// NAME:key=value,...: only the files key holds paths.
std::string RespellOperation(const std::string& word, const PathSpelling& spell) {
  const std::size_t colon = word.find(':');
  if (colon == std::string::npos) return word;
  std::string out = word.substr(0, colon + 1);
  bool first = true;
  for (const std::string_view item : SplitOutsideQuotes(std::string_view(word).substr(colon + 1), ',')) {
    const std::size_t equals = item.find('=');
    const bool files = equals != std::string_view::npos && SameLetters(item.substr(0, equals), "files");
    out += Concat(std::exchange(first, false) ? "" : ",",
                  files ? Concat(item.substr(0, equals + 1), RespellList(item.substr(equals + 1), spell)) : item);
  }
  return out;
}

}  // namespace

std::string PathFromFolder(const std::string& path, const std::string& folder) {
  const fs::path absolute = Absolute(path);
  const fs::path relative = absolute.lexically_relative(Absolute(folder.empty() ? "." : folder));
  const bool under = !relative.empty() && *relative.begin() != "..";
  return (under ? relative : absolute).string();
}

std::string PathInFolder(const std::string& path, const std::string& folder) {
  return (fs::path(folder) / path).lexically_normal().string();
}

std::vector<std::string> RespellPaths(std::vector<std::string> words, const PathSpelling& spell) {
  constexpr std::string_view Input = "--input";
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::string& word = words[i];
    if (word == Input && i + 1 < words.size()) {
      words[i + 1] = RespellValue(words[i + 1], spell);
      ++i;
    } else if (word.starts_with(Concat(Input, "="))) {
      word = Concat(Input, "=", RespellValue(std::string_view(word).substr(Input.size() + 1), spell));
    } else if (!word.starts_with("-")) {
      word = RespellOperation(word, spell);
    }
  }
  return words;
}

}  // namespace tessmark
