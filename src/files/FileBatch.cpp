#include "files/FileBatch.h"

#include <fcntl.h>

#include <cerrno>
#include <set>
#include <utility>

#include "files/Descriptor.h"

namespace tessmark {

FileBatch::FileBatch(WriteHooks hooks) : hooks_(std::move(hooks)) {}

int FileBatch::Add(const std::string& path, const FileProducer& produce) {
  if (error_ != 0) return error_;
  Entry& entry = entries_.emplace_back(Entry{path, std::make_unique<Replacement>(path, hooks_)});
  return Fail(path, Write(*entry.File, produce));
}

int FileBatch::Write(Replacement& file, const FileProducer& produce) {
  if (file.Error() != 0) return file.Error();
  FileSink sink(file.Fd());
  if (!produce(sink)) return ECANCELED;
  if (const int error = sink.Flush(); error != 0) return error;
  return file.Finish();
}

// Nothing of a failed batch is left behind, whether it is kept or not.
int FileBatch::Fail(const std::string& path, int error) {
  if (error == 0 || error_ != 0) return error;
  error_ = error;
  failedPath_ = path;
  for (Entry& entry : entries_) entry.File->Release();
  return error;
}

int FileBatch::Commit() {
  if (error_ != 0) return error_;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (const int error = entries_[i].File->Place(); error != 0) {
      for (std::size_t placed = i; placed-- > 0;) entries_[placed].File->Undo();
      return Fail(entries_[i].Path, error);
    }
  }
  for (Entry& entry : entries_) entry.File->Release();
  return SyncFolders();
}

int FileBatch::SyncFolders() {
  std::set<std::string> synced;
  for (const Entry& entry : entries_) {
    const std::string folder = entry.File->Folder();
    if (!synced.insert(folder).second) continue;
    const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const int error = fd.get() < 0 ? errno : hooks_.Sync(fd.get());
    if (error != 0) return Fail(entry.Path, error);
  }
  return 0;
}

}  // namespace tessmark
