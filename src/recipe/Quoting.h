#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "recipe/RecipeValues.h"

namespace tessmark {

// Double quotes anywhere inside a word protect what separates values (',', ';', blanks); inside
// them \" and \\ stand for " and \, \n and \r for a newline and a carriage return (so that a quoted
// value never spans lines); any other backslash stands for itself. Outside quotes every character
// stands for itself.

// The pieces between any of separators outside quotes, quotes kept; empty pieces included. One
// pass, however many pieces.
std::vector<std::string_view> SplitOutsideQuotes(std::string_view text, std::string_view separators);
inline std::vector<std::string_view> SplitOutsideQuotes(std::string_view text, char separator) {
  return SplitOutsideQuotes(text, std::string_view(&separator, 1));
}

// The text with its quotes taken away and their escapes resolved; an unterminated quote is refused.
Parsed<std::string> Unquote(std::string_view text);

// The text as a value that Unquote gives back, on one line: as it is when nothing in it needs
// protection, otherwise quoted whole.
std::string QuoteWhereNeeded(std::string_view text);

}  // namespace tessmark
