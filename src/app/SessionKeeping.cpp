#include "app/SessionKeeping.h"

#include <filesystem>

#include "base/Version.h"
#include "files/AtomicFile.h"
#include "journal/JournalFolder.h"
#include "journal/SessionLock.h"
#include "recipe/OperationTable.h"

namespace tessmark {
namespace {

bool EntryHas(const std::string& folder, const std::string& name, const char* file) {
  std::error_code error;
  return std::filesystem::exists(EntryPath(folder, name, file), error);
}

}  // namespace

void StartJournal(Workspace& workspace) {
  workspace.Journal = SessionJournal(SessionsFolder(workspace.DataDirectory), std::string("vornade ") + ProgramVersion);
  workspace.JournalSession = workspace.Session;
}

void KeepSession(Workspace& s, std::int64_t now) {
  if (s.JournalSession != s.Session) {
    s.Journal.Close();
    s.JournalSession = s.Session;
  }
  if (s.CurrentPicture) s.Journal.Keep(s.PictureRecipe, *s.CurrentPicture, now);
}

// Nothing after it opens another entry.
void EndSession(Workspace& workspace) {
  workspace.Journal.Close();
  workspace.Journal = SessionJournal();
}

void RecordRunProgress(Workspace& s, OperationKind kind, std::uint32_t seed, std::int64_t shapes, std::int64_t steadyMs) {
  if (shapes <= 0 || !RowOf(kind).Count || !s.Journal.ProgressDue(steadyMs)) return;
  Recipe running;
  RecordRun(running, kind, s.Settings, s.CurrentPalette, seed, shapes);
  s.Journal.RecordProgress(s.PictureRecipe.Steps.size(), running.Steps.back(), steadyMs);
}

bool TakeUnexpectedEnd(const std::string& folder) {
  for (const std::string& name : ListEntries(folder)) {
    if (IsLocked(EntryPath(folder, name, journal_file::Lock))) continue;
    if (EntryHas(folder, name, journal_file::Ended) || EntryHas(folder, name, journal_file::Noticed)) return false;
    WriteFileAtomically(EntryPath(folder, name, journal_file::Noticed), std::span<const std::uint8_t>());
    return true;
  }
  return false;
}

}  // namespace tessmark
