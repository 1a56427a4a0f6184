#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "recipe/RecipeValues.h"

namespace tessmark {

// Double quotes anywhere inside a word protect what separates values (',', ';', blanks); inside
// them \" and \\ stand for " and \, \n and \r for a newline and a carriage return (so that a quoted
// value never spans lines); any other backslash stands for itself. Outside quotes every character
// stands for itself.

// Calls piece with each piece between any of separators outside quotes, quotes kept, empty pieces
// included, in one pass however many there are. False when the text ends inside quotes.
bool ForEachPieceOutsideQuotes(std::string_view text, std::string_view separators,
                               const std::function<void(std::string_view)>& piece);

// The pieces between separators outside quotes, quotes kept; empty pieces included.
std::vector<std::string_view> SplitOutsideQuotes(std::string_view text, char separator);

// The text with its quotes taken away and their escapes resolved; an unterminated quote is refused.
Parsed<std::string> Unquote(std::string_view text);

// The text as a value that Unquote gives back, on one line: as it is when nothing in it needs
// protection, otherwise quoted whole.
std::string QuoteWhereNeeded(std::string_view text);

}  // namespace tessmark
