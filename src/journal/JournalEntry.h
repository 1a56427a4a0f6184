#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "recipe/OperationStep.h"
#include "recipe/Recipe.h"
#include "recipe/RecipeValues.h"

namespace tessmark {

// A kept session as its entry tells it.
struct JournalEntry {
  std::string Name;
  std::int64_t Started = 0;  // seconds since 1970
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::string StartPicture;  // the start picture's file; empty: white
  bool StartKept = false;    // that file is the journal's copy
  std::vector<OperationStep> Steps;
  bool CutOff = false;  // the last step is a run that never ended, repeated up to its last record
  std::int64_t Shapes = 0;
};

// The entry's recipe: a tessmark response file (its start picture named by absolute path) closed
// by a line that counts its steps, so that a file cut short at a line's end is still refused.
std::string EntryRecipeText(const Recipe& recipe, const RecipeHeader& header, const std::string& startPath);

// The record of a run under way: how many steps the recipe had when it began, and the run as far
// as it went.
std::string ProgressText(std::size_t after, const OperationStep& running);

// Both parse text from the disk as hostile: anything cut off, damaged or out of bounds is refused
// with the reason, and `entry` is left as it was. startsFolder is where the journal's start
// pictures are looked for, whatever folder the entry names.
Parsed<JournalEntry> ParseEntryRecipe(std::string_view text, const std::string& startsFolder);
std::string ApplyProgress(std::string_view text, JournalEntry& entry);

// The entry's recipe with its progress record, if it has one that fits it.
Parsed<JournalEntry> ReadJournalEntry(const std::string& folder, const std::string& name);

}  // namespace tessmark
