#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "recipe/RecipeValues.h"

namespace tessmark {

// Double quotes anywhere inside a word protect what separates values (',', ';', blanks); inside
// them \" and \\ stand for " and \. Outside quotes every character stands for itself.

// Where the first character outside quotes at or after from is one of chars; npos when none is.
std::size_t FindOutsideQuotes(std::string_view text, std::string_view chars, std::size_t from = 0);

// The pieces between separators outside quotes, quotes kept; empty pieces included.
std::vector<std::string_view> SplitOutsideQuotes(std::string_view text, char separator);

// The text with its quotes taken away and their escapes resolved; an unterminated quote is refused.
Parsed<std::string> Unquote(std::string_view text);

// The text as a value that Unquote gives back: as it is when nothing in it needs protection,
// otherwise quoted whole.
std::string QuoteWhereNeeded(std::string_view text);

}  // namespace tessmark
