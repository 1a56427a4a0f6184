#pragma once

#include <string>

#include "files/WriteHooks.h"

namespace tessmark {

// The new content of one file, written beside it under a short name of its own (so that a final
// name of any allowed length still fits) and then swapped into place. The swap keeps the old
// content under the temporary name until the replacement is released, so that a batch of files
// can still be taken back when a later one fails.
class Replacement {
 public:
  // Follows symbolic links to the file written and creates the temporary file there. A file that
  // may not be replaced is refused, untouched: a folder, a device or pipe, or one the user could
  // not open for writing. An existing file's permissions (and owner where allowed) carry over; a
  // new file gets 0666 less the umask.
  Replacement(const std::string& path, const WriteHooks& hooks);
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;
  ~Replacement() { Release(); }

  // 0, or the errno of why the temporary file could not be made.
  int Error() const { return error_; }
  int Fd() const { return fd_; }
  // The folder the file is in.
  std::string Folder() const;
  // Syncs and closes the temporary file; 0 or the errno of the failure.
  int Finish();
  // Puts the new content in place; 0 or the errno of the failure.
  int Place();
  // Puts back what Place replaced, where the file system allows.
  void Undo();
  // Removes the temporary name with what it holds: the content never placed, or the old one.
  void Release();

 private:
  enum class Placed { No, Exchanged, Created, Renamed };

  int Create();
  int Swap(unsigned flags);

  std::string final_;
  std::string temporary_;
  const WriteHooks& hooks_;
  int fd_ = -1;
  int error_ = 0;
  Placed placed_ = Placed::No;
};

}  // namespace tessmark
