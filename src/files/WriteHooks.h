#pragma once

#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>

namespace tessmark {

// 0 or the errno of the failure.
inline int SyncDescriptor(int fd) { return ::fsync(fd) == 0 ? 0 : errno; }

// What a file write asks of the world outside it; the defaults are the real ones.
struct WriteHooks {
  // Makes durable what was written to a file, or the entries of a folder after a rename.
  std::function<int(int fd)> Sync = SyncDescriptor;
  // Hears each temporary file's name before the file is created, so that a signal handler that
  // ends the process can remove it.
  std::function<void(const std::string&)> TemporaryNamed = {};
};

}  // namespace tessmark
