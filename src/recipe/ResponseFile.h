#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "recipe/RecipeValues.h"

namespace tessmark {

// Response files may name further ones down to this depth, the command line's own @FILE being 1.
inline constexpr int MaxResponseFileDepth = 8;

// The words of a response file's text: one or more on each line, split at blanks outside double
// quotes (which stay in the words), lines whose first non-blank character is '#' left out. origin
// names the text in the message about an unterminated quote.
Parsed<std::vector<std::string>> ResponseFileWords(std::string_view text, std::string_view origin);

// The arguments with every @FILE replaced by the words of FILE, read the same way in turn.
Parsed<std::vector<std::string>> ExpandResponseFiles(std::span<const std::string> args);

}  // namespace tessmark
