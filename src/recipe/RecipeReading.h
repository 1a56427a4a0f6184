#pragma once

#include <cstdint>
#include <string>

#include "recipe/Recipe.h"
#include "recipe/RecipeValues.h"

namespace tessmark {

// The recipe a picture file carries, read back into the steps a session goes on from: its start
// must be the picture's size or a file that still exists, else the picture is taken in as it is.
// width and height are those of the picture read from the file.
Parsed<Recipe> CarriedRecipeOf(const std::string& picturePath, std::int32_t width, std::int32_t height);

}  // namespace tessmark
