#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "journal/JournalEntry.h"
#include "paint/PaintContext.h"
#include "recipe/OperationTable.h"

namespace tessmark {

// The picture a kept session starts from: white of its size, or its start picture.
Parsed<Picture> EntryStartPicture(const JournalEntry& entry, const std::string& programDirectory);

// What a replay of recorded steps paints with besides each step's own values.
struct ReplayHooks {
  std::uint8_t& CurrentBlendWeight;
  RandomValue& Random;
  EscapePoll EscapePressed;
  std::function<bool()> PictureWanted = {};
  std::string ProgramDirectory;
};

// Runs one recorded step on the picture through its operation's row, with the seed it recorded:
// the picture tessmark paints from the same line.
OperationOutcome RunRecordedStep(Picture& picture, const OperationStep& step, ReplayHooks& hooks);

// The recipe of the picture after the entry's first `steps` steps; start is its start picture.
Recipe EntryRecipe(const JournalEntry& entry, const Picture& start, std::size_t steps);

}  // namespace tessmark
