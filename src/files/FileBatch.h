#pragma once

#include <memory>
#include <string>
#include <vector>

#include "files/FileSink.h"
#include "files/Replacement.h"
#include "files/WriteHooks.h"

namespace tessmark {

// Files written together: each new content goes beside its file first, and only once all of them
// are written whole are they put in place, so that a failure leaves every earlier file as it was.
class FileBatch {
 public:
  explicit FileBatch(WriteHooks hooks = {});
  FileBatch(const FileBatch&) = delete;  // its files hold on to its hooks
  FileBatch& operator=(const FileBatch&) = delete;

  // Checks that the file may be replaced and writes its new content under a temporary name.
  // Returns 0, the errno of the failure, or ECANCELED when the producer gave up; after a failure
  // the batch takes no more files and Commit reports that failure.
  int Add(const std::string& path, const FileProducer& produce);

  // Puts every file in place, taking back those already placed when one fails, then syncs their
  // folders so that the new names survive a crash. Returns 0 or the errno of the failure.
  int Commit();

  // The file a failure concerns, as it was given.
  const std::string& FailedPath() const { return failedPath_; }

 private:
  struct Entry {
    std::string Path;
    std::unique_ptr<Replacement> File;
  };

  int Write(Replacement& file, const FileProducer& produce);
  int Fail(const std::string& path, int error);
  int SyncFolders();

  WriteHooks hooks_;
  std::vector<Entry> entries_;
  std::string failedPath_;
  int error_ = 0;
};

}  // namespace tessmark
