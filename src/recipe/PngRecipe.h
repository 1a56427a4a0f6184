#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "recipe/RecipeValues.h"

namespace tessmark {

// The text chunk holds at most a recipe's worth, as a response file does.
inline constexpr std::size_t MaxPngRecipeBytes = 16u << 20;

bool StartsAsPng(std::span<const std::uint8_t> bytes);

// The recipe text a PNG file carries, from the chunks before its pixel data (bytes may be the
// file's start only), or why there is none: a file cut off, damaged (a chunk's checksum), or a
// chunk that does not inflate to at most MaxPngRecipeBytes.
Parsed<std::string> ReadPngRecipe(std::span<const std::uint8_t> bytes);

// A picture from elsewhere may say how it was painted, never where to write or what else to read:
// the first word of its recipe that is neither --size, --input (with their values) nor an
// operation; empty when there is none.
std::string StrayRecipeWord(const std::vector<std::string>& words);

}  // namespace tessmark
