#include "journal/SessionLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <utility>

namespace tessmark {

SessionLock::SessionLock(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

SessionLock::SessionLock(SessionLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

SessionLock& SessionLock::operator=(SessionLock&& other) noexcept {
  std::swap(fd_, other.fd_);
  return *this;
}

SessionLock::~SessionLock() {
  if (fd_ >= 0) ::close(fd_);
}

// flock locks belong to an open file, so a second opening conflicts even within this process.
bool IsLocked(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool locked = ::flock(fd, LOCK_SH | LOCK_NB) != 0;
  ::close(fd);
  return locked;
}

}  // namespace tessmark
