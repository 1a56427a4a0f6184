#include "recipe/Quoting.h"

namespace tessmark {
namespace {

constexpr char Quote = '"';
constexpr char Escape = '\\';

// Characters that end a value or a word somewhere, or would be read as the start of something.
constexpr std::string_view NeedsQuotes = ",;= \t\r\n\"\\#@:";

}  // namespace

std::size_t FindOutsideQuotes(std::string_view text, std::string_view chars, std::size_t from) {
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == Escape && i + 1 < text.size()) ++i;
      else if (c == Quote) quoted = false;
    } else if (c == Quote) {
      quoted = true;
    } else if (i >= from && chars.find(c) != std::string_view::npos) {
      return i;
    }
  }
  return std::string_view::npos;
}

std::vector<std::string_view> SplitOutsideQuotes(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  const std::string_view separators(&separator, 1);
  for (std::size_t start = 0;;) {
    const std::size_t end = FindOutsideQuotes(text, separators, start);
    pieces.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return pieces;
    start = end + 1;
  }
}

Parsed<std::string> Unquote(std::string_view text) {
  std::string value;
  value.reserve(text.size());
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == Quote) {
      quoted = !quoted;
    } else if (quoted && c == Escape && i + 1 < text.size() && (text[i + 1] == Quote || text[i + 1] == Escape)) {
      value += text[++i];
    } else {
      value += c;
    }
  }
  if (quoted) return Parsed<std::string>::Fail(Concat("unterminated quote in ", text));
  return {std::move(value), {}};
}

std::string QuoteWhereNeeded(std::string_view text) {
  if (!text.empty() && text.find_first_of(NeedsQuotes) == std::string_view::npos) return std::string(text);
  std::string quoted(1, Quote);
  for (const char c : text) {
    if (c == Quote || c == Escape) quoted += Escape;
    quoted += c;
  }
  return quoted + Quote;
}

}  // namespace tessmark
