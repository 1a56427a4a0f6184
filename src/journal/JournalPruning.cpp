#include "journal/JournalPruning.h"

#include <chrono>
#include <filesystem>
#include <set>
#include <vector>

#include "journal/JournalEntry.h"
#include "journal/JournalFolder.h"
#include "journal/SessionLock.h"

namespace tessmark {
namespace {

namespace fs = std::filesystem;

constexpr auto FreshStart = std::chrono::minutes(10);

std::uint64_t FileBytes(const fs::path& path) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path, error);
  return error ? 0 : size;
}

std::uint64_t FolderBytes(const fs::path& folder) {
  std::uint64_t total = 0;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) total += FileBytes(it->path());
  return total;
}

bool Fresh(const fs::path& path) {
  std::error_code error;
  const fs::file_time_type written = fs::last_write_time(path, error);
  return !error && fs::file_time_type::clock::now() - written < FreshStart;
}

void RemoveUnnamedStarts(const std::string& folder, const std::set<std::string>& named) {
  std::error_code error;
  for (fs::directory_iterator it(StartsFolder(folder), error), end; !error && it != end; it.increment(error)) {
    if (!named.contains(it->path().string()) && !Fresh(it->path())) fs::remove(it->path(), error);
  }
}

}  // namespace

void PruneJournal(const std::string& folder, const JournalLimits& limits) {
  std::set<std::string> namedStarts;
  std::size_t kept = 0;
  std::uint64_t bytes = 0;
  bool full = false;
  for (const std::string& name : ListEntries(folder)) {
    const Parsed<JournalEntry> entry = ReadJournalEntry(folder, name);
    const std::string start = entry && entry.Value->StartKept ? entry.Value->StartPicture : std::string();
    std::uint64_t size = FolderBytes(EntryPath(folder, name));
    if (!start.empty() && !namedStarts.contains(start)) size += FileBytes(start);
    const bool locked = IsLocked(EntryPath(folder, name, journal_file::Lock));
    full = full || kept + 1 > limits.Sessions || bytes + size > limits.Bytes;
    if (full && !locked) {
      std::error_code error;
      fs::remove_all(EntryPath(folder, name), error);
      continue;
    }
    ++kept;
    bytes += size;
    if (!start.empty()) namedStarts.insert(start);
  }
  RemoveUnnamedStarts(folder, namedStarts);
}

}  // namespace tessmark
