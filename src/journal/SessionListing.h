#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "journal/JournalEntry.h"

namespace tessmark {

// A kept session as the Sessions window lists it: what its entry tells, or why it cannot be read.
struct SessionListing {
  std::string Name;
  Parsed<JournalEntry> Entry;
  std::string Thumbnail;  // the file of its small picture
};

// A session of the list and how many of its steps to repeat (0: its start alone).
struct SessionChoice {
  std::size_t Session = 0;
  std::size_t Steps = 0;
};

// The kept sessions, newest first.
std::vector<SessionListing> ListSessions(const std::string& folder);

}  // namespace tessmark
