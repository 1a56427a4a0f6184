#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "journal/SessionLock.h"
#include "picture/Picture.h"
#include "recipe/OperationStep.h"
#include "recipe/Recipe.h"

namespace tessmark {

// The journal of the running program's sessions: the entry of the session open now, written after
// every change of the picture, and what a run has painted so far while it runs. It never stops the
// painting: a failure is kept for the caller to tell once, and the journal goes on trying.
class SessionJournal {
 public:
  // Keeps nothing until it has a folder.
  SessionJournal() = default;
  SessionJournal(std::string folder, std::string program);
  // An entry never closed keeps no end mark: the next start tells of it.

  const std::string& Folder() const { return folder_; }
  // The entry of the open session; empty before its first write.
  const std::string& Entry() const { return entry_; }

  // Writes the session's recipe, with a thumbnail of the picture, all or nothing; the entry is
  // opened (and older ones pruned) on the first write, the start picture stored once. Nothing is
  // written when the recipe is the one written last. now: seconds since 1970.
  void Keep(const Recipe& recipe, const Picture& picture, std::int64_t now);

  // The session has ended (New, an import, a paste, Exit): its entry is marked and let go.
  void Close();

  // A run's progress is written at most once a second, unsynced; steadyMs is a monotonic clock.
  // The first call of a run only starts the clock.
  bool ProgressDue(std::int64_t steadyMs);
  void RecordProgress(std::size_t after, const OperationStep& running, std::int64_t steadyMs);

  // The journal's copy of the recipe's start picture (none for a white start), as the entry names it.
  std::optional<std::string> StartCopy(const Recipe& recipe) const;

  // Why the journal could not be written, the first time only.
  std::optional<std::string> TakeFailure();

 private:
  int Open(std::int64_t now);
  int StoreStart(const Recipe& recipe, std::string& failedPath);
  void Fail(const std::string& path, int error);

  std::string folder_;
  std::string program_;
  std::string entry_;
  std::string written_;  // the recipe text written last
  std::string started_;  // when the entry's session started, as its recipe header says
  SessionLock lock_;
  std::uint32_t sequence_ = 0;
  std::optional<std::int64_t> lastProgress_;
  std::optional<std::string> failure_;
  // Hashing a start picture costs a pass over it, so its copy's name is worked out once.
  mutable std::shared_ptr<const Picture> hashedStart_;
  mutable std::string hashedCopy_;
  bool failureTold_ = false;
};

}  // namespace tessmark
