#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessmark {

struct JournalLimits {
  std::size_t Sessions = 30;
  std::uint64_t Bytes = std::uint64_t{2} << 30;
};

// Removes the oldest entries beyond the limits, newest kept first, and then the start pictures no
// kept entry names. A locked entry (open in a program, or being restored) is never removed, and a
// start picture just written may still be waiting for the recipe that names it.
void PruneJournal(const std::string& folder, const JournalLimits& limits);

}  // namespace tessmark
