#include "files/AtomicFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <atomic>
#include <cstring>
#include <utility>

namespace tessmark {
namespace {

constexpr std::size_t SinkBufferBytes = std::size_t{1} << 18;
constexpr std::uint64_t WriteBackBytes = std::uint64_t{8} << 20;
constexpr int MaxLinkHops = 40;  // the kernel's own limit

int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  return 0;
}

// The file a write to path lands on: symbolic links followed, a relative link from its own folder.
int FollowLinks(std::string& path) {
  for (int hop = 0; hop < MaxLinkHops; ++hop) {
    struct stat info {};
    // Anything missing on the way shows when the temporary file is created.
    if (::lstat(path.c_str(), &info) != 0) return errno == ENOENT ? 0 : errno;
    if (!S_ISLNK(info.st_mode)) return 0;
    std::string target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0) return errno;
    if (static_cast<std::size_t>(n) == target.size()) return ENAMETOOLONG;
    target.resize(static_cast<std::size_t>(n));
    if (target.front() != '/') target.insert(0, path.substr(0, path.find_last_of('/') + 1));  // npos + 1 is 0
    path = std::move(target);
  }
  return ELOOP;
}

// Why the file at path may not be replaced, or 0 (also when there is no file yet).
int ReplaceRefusal(const std::string& path, struct stat& old, bool& exists) {
  exists = ::stat(path.c_str(), &old) == 0;
  if (!exists) return 0;
  if (S_ISDIR(old.st_mode)) return EISDIR;
  if (!S_ISREG(old.st_mode)) return ENOTSUP;  // a device or pipe cannot be swapped for a file
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

std::string RandomSuffix() {
  static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::atomic<std::uint64_t> serial{0};
  std::uint64_t fallback = static_cast<std::uint64_t>(::getpid()) * 2654435761u + serial++;
  std::uint8_t noise[6] = {};
  // O_EXCL keeps even a guessable name safe; randomness only avoids collisions.
  if (::getrandom(noise, sizeof noise, 0) != sizeof noise) std::memcpy(noise, &fallback, sizeof noise);
  std::string suffix = ".";
  for (const std::uint8_t n : noise) suffix += Letters[n % (sizeof Letters - 1)];
  return suffix;
}

// The temporary file beside the final one, removed unless it was renamed into place.
class Temporary {
 public:
  explicit Temporary(const std::string& final) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = final + RandomSuffix();
      // Created with 0666 so that the umask decides a new file's permissions, as for any file.
      fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0 || errno != EEXIST) break;
    }
    if (fd_ < 0) {
      error_ = errno;
      path_.clear();  // not ours to remove
    }
  }
  Temporary(const Temporary&) = delete;
  Temporary& operator=(const Temporary&) = delete;
  ~Temporary() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty() && !committed_) ::unlink(path_.c_str());
  }
  int Error() const { return error_; }
  int Fd() const { return fd_; }
  int Commit(const std::string& final) {
    int error = ::fsync(fd_) == 0 ? 0 : errno;
    if (::close(std::exchange(fd_, -1)) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(path_.c_str(), final.c_str()) != 0) error = errno;
    committed_ = error == 0;
    return error;
  }

 private:
  std::string path_;
  int fd_ = -1;
  int error_ = 0;
  bool committed_ = false;
};

void KeepOwnerAndMode(int fd, const struct stat& old) {
  // Handing the file to another owner needs privileges a user rarely has; it is then theirs.
  [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
  ::fchmod(fd, old.st_mode & 07777);
}

}  // namespace

FileSink::FileSink(int fd) : fd_(fd) { buffer_.reserve(SinkBufferBytes); }

void FileSink::Write(std::span<const std::uint8_t> bytes) {
  if (error_ != 0) return;
  if (buffer_.size() + bytes.size() > SinkBufferBytes && Flush() != 0) return;
  if (bytes.size() >= SinkBufferBytes) {
    Put(bytes);
  } else {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
  }
}

int FileSink::Flush() {
  if (error_ == 0) Put(buffer_);
  buffer_.clear();
  return error_;
}

// Every few megabytes the disk is asked to start on what was written, so that a big file is on its
// way while the rest is made and the final fsync waits for the last part only. Only a hint: the
// fsync still reports any failure.
void FileSink::Put(std::span<const std::uint8_t> bytes) {
  error_ = WriteAll(fd_, bytes);
  written_ += bytes.size();
#ifdef __linux__
  if (error_ != 0 || written_ - queued_ < WriteBackBytes) return;
  ::sync_file_range(fd_, static_cast<off_t>(queued_), static_cast<off_t>(written_ - queued_), SYNC_FILE_RANGE_WRITE);
  queued_ = written_;
#endif
}

int WriteFileAtomically(const std::string& path, const FileProducer& produce) {
  std::string final = path;
  struct stat old {};
  bool replacing = false;
  if (const int error = FollowLinks(final); error != 0) return error;
  if (const int error = ReplaceRefusal(final, old, replacing); error != 0) return error;
  Temporary temporary(final);
  if (temporary.Error() != 0) return temporary.Error();
  if (replacing) KeepOwnerAndMode(temporary.Fd(), old);
  FileSink sink(temporary.Fd());
  if (!produce(sink)) return ECANCELED;
  if (const int error = sink.Flush(); error != 0) return error;
  return temporary.Commit(final);
}

int WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  return WriteFileAtomically(path, [bytes](FileSink& sink) {
    sink.Write(bytes);
    return true;
  });
}

}  // namespace tessmark
