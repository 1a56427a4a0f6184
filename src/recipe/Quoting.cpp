#include "recipe/Quoting.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tessmark {
namespace {

constexpr char Quote = '"';
constexpr char Escape = '\\';

// Characters that end a value or a word somewhere, or would be read as the start of something.
constexpr std::string_view NeedsQuotes = ",;= \t\r\n\f\v\"\\#@:";

// What follows a backslash inside quotes, and the character it stands for.
constexpr std::array<std::pair<char, char>, 4> Escapes{{{Quote, Quote}, {Escape, Escape}, {'n', '\n'}, {'r', '\r'}}};

const std::pair<char, char>* EscapeNamed(char name) {
  const auto* it = std::find_if(Escapes.begin(), Escapes.end(), [&](const auto& e) { return e.first == name; });
  return it == Escapes.end() ? nullptr : it;
}

const std::pair<char, char>* EscapeFor(char c) {
  const auto* it = std::find_if(Escapes.begin(), Escapes.end(), [&](const auto& e) { return e.second == c; });
  return it == Escapes.end() ? nullptr : it;
}

}  // namespace

bool ForEachPieceOutsideQuotes(std::string_view text, std::string_view separators,
                               const std::function<void(std::string_view)>& piece) {
  std::array<bool, 256> separates{};
  for (const char c : separators) separates[static_cast<unsigned char>(c)] = true;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == Escape && i + 1 < text.size()) ++i;
      else if (c == Quote) quoted = false;
    } else if (c == Quote) {
      quoted = true;
    } else if (separates[static_cast<unsigned char>(c)]) {
      piece(text.substr(start, i - start));
      start = i + 1;
    }
  }
  piece(text.substr(start));
  return !quoted;
}

std::vector<std::string_view> SplitOutsideQuotes(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  ForEachPieceOutsideQuotes(text, std::string_view(&separator, 1), [&](std::string_view p) { pieces.push_back(p); });
  return pieces;
}

Parsed<std::string> Unquote(std::string_view text) {
  std::string value;
  value.reserve(text.size());
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto* escape = quoted && c == Escape && i + 1 < text.size() ? EscapeNamed(text[i + 1]) : nullptr;
    if (c == Quote) {
      quoted = !quoted;
    } else if (escape != nullptr) {
      value += escape->second;
      ++i;
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
    if (const auto* escape = EscapeFor(c)) {
      quoted += Escape;
      quoted += escape->first;
    } else {
      quoted += c;
    }
  }
  return quoted + Quote;
}

}  // namespace tessmark
