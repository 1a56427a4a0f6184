#pragma once

#include <string>

namespace tessmark {

// A lock on a journal entry held by the running program. It is a flock on the entry's lock file,
// so the system lets it go with the process, however the process ends.
class SessionLock {
 public:
  SessionLock() = default;
  // Takes the lock, creating the file; Held() says whether it was had.
  explicit SessionLock(const std::string& path);
  SessionLock(SessionLock&& other) noexcept;
  SessionLock& operator=(SessionLock&& other) noexcept;
  ~SessionLock();

  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// Whether a program holds the lock of the file (this one included).
bool IsLocked(const std::string& path);

}  // namespace tessmark
