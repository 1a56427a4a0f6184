#include "journal/SessionListing.h"

#include "journal/JournalFolder.h"

namespace tessmark {

std::vector<SessionListing> ListSessions(const std::string& folder) {
  std::vector<SessionListing> sessions;
  for (const std::string& name : ListEntries(folder))
    sessions.push_back({name, ReadJournalEntry(folder, name), EntryPath(folder, name, journal_file::Thumbnail)});
  return sessions;
}

}  // namespace tessmark
