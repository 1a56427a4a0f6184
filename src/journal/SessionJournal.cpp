#include "journal/SessionJournal.h"

#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <utility>

#include "files/AtomicFile.h"
#include "files/FileBatch.h"
#include "imageio/PictureWrite.h"
#include "journal/JournalEntry.h"
#include "journal/JournalFolder.h"
#include "journal/JournalPruning.h"
#include "journal/Thumbnail.h"

namespace tessmark {
namespace {

constexpr std::int64_t ProgressPeriodMs = 1000;

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

int CreateFolder(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return error.value();
}

}  // namespace

SessionJournal::SessionJournal(std::string folder, std::string program)
    : folder_(std::move(folder)), program_(std::move(program)) {}

int SessionJournal::Open(std::int64_t now) {
  const std::string name = EntryName(now, ::getpid(), sequence_++);
  const std::string path = EntryPath(folder_, name);
  if (const int error = CreateFolder(path); error != 0) {
    Fail(path, error);
    return error;
  }
  lock_ = SessionLock(EntryPath(folder_, name, journal_file::Lock));
  entry_ = name;
  started_ = UtcText(now);
  PruneJournal(folder_, {});
  return 0;
}

int SessionJournal::StoreStart(const Recipe& recipe, std::string& failedPath) {
  const std::optional<std::string> path = StartCopy(recipe);
  std::error_code ignored;
  if (!path || std::filesystem::exists(*path, ignored)) return 0;
  failedPath = *path;
  if (const int error = CreateFolder(StartsFolder(folder_)); error != 0) return error;
  return WritePictureFile(*path, *recipe.Start.StartPicture, FindPictureFormat(PictureFormatId::Png));
}

void SessionJournal::Keep(const Recipe& recipe, const Picture& picture, std::int64_t now) {
  if (folder_.empty()) return;
  if (recipe.Start.Unknown) return Fail(folder_, ENOMEM);
  if (entry_.empty() && Open(now) != 0) return;
  const std::string recipePath = EntryPath(folder_, entry_, journal_file::Recipe);
  const RecipeHeader header{program_, started_, recipePath};
  std::string text = EntryRecipeText(recipe, header, StartCopy(recipe).value_or(""));
  if (text == written_) return;
  std::string failedPath;
  if (const int error = StoreStart(recipe, failedPath); error != 0) return Fail(failedPath, error);
  const Picture thumbnail = Thumbnail(picture);
  FileBatch batch;
  int error = batch.Add(recipePath, WritingBytes(Bytes(text)));
  if (error == 0)
    error = batch.Add(EntryPath(folder_, entry_, journal_file::Thumbnail),
                      PictureProducer(thumbnail, FindPictureFormat(PictureFormatId::Bmp)));
  if (error == 0) error = batch.Commit();
  if (error != 0) return Fail(batch.FailedPath(), error);
  written_ = std::move(text);
  // The record of a run the recipe now holds must not be read as one that goes on after it.
  ::unlink(EntryPath(folder_, entry_, journal_file::Progress).c_str());
  lastProgress_.reset();
}

void SessionJournal::Close() {
  if (entry_.empty()) return;
  WriteFileAtomically(EntryPath(folder_, entry_, journal_file::Ended), std::span<const std::uint8_t>());
  lock_ = SessionLock();
  entry_.clear();
  written_.clear();
  lastProgress_.reset();
}

bool SessionJournal::ProgressDue(std::int64_t steadyMs) {
  if (entry_.empty()) return false;
  if (!lastProgress_) lastProgress_ = steadyMs;
  return steadyMs - *lastProgress_ >= ProgressPeriodMs;
}

// Only a crash of the program needs the record, and the system keeps what was written then; a
// sync would cost the interface thread far more than the millisecond it may take.
void SessionJournal::RecordProgress(std::size_t after, const OperationStep& running, std::int64_t steadyMs) {
  if (entry_.empty()) return;
  lastProgress_ = steadyMs;
  const std::string text = ProgressText(after, running);
  WriteHooks unsynced;
  unsynced.Sync = [](int) { return 0; };
  const std::string path = EntryPath(folder_, entry_, journal_file::Progress);
  if (const int error = WriteFileAtomically(path, WritingBytes(Bytes(text)), unsynced); error != 0) Fail(path, error);
}

std::optional<std::string> SessionJournal::StartCopy(const Recipe& recipe) const {
  if (folder_.empty() || !recipe.Start.StartPicture) return std::nullopt;
  if (hashedStart_ != recipe.Start.StartPicture) {
    hashedCopy_ = StartPictureCopy(folder_, *recipe.Start.StartPicture);
    hashedStart_ = recipe.Start.StartPicture;
  }
  return hashedCopy_;
}

void SessionJournal::Fail(const std::string& path, int error) {
  if (!failure_ && !failureTold_)
    failure_ = "Sessions are not kept: cannot write " + path + ": " + std::generic_category().message(error);
}

std::optional<std::string> SessionJournal::TakeFailure() {
  if (failure_) failureTold_ = true;
  return std::exchange(failure_, std::nullopt);
}

}  // namespace tessmark
