#include "files/Replacement.h"

#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>

namespace tessmark {
namespace {

constexpr int MaxLinkHops = 40;  // the kernel's own limit

// The folder part of a path with its final slash, or nothing for the working folder.
std::string FolderPrefix(const std::string& path) { return path.substr(0, path.find_last_of('/') + 1); }  // npos + 1 is 0

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
    if (target.front() != '/') target.insert(0, FolderPrefix(path));
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

std::string TemporaryName() {
  static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::atomic<std::uint64_t> serial{0};
  std::uint64_t fallback = static_cast<std::uint64_t>(::getpid()) * 2654435761u + serial++;
  std::uint8_t noise[8] = {};
  // O_EXCL keeps even a guessable name safe; randomness only avoids collisions.
  if (::getrandom(noise, sizeof noise, 0) != sizeof noise) std::memcpy(noise, &fallback, sizeof noise);
  std::string name = ".tessmark-";
  for (const std::uint8_t n : noise) name += Letters[n % (sizeof Letters - 1)];
  return name + ".part";
}

void KeepOwnerAndMode(int fd, const struct stat& old) {
  // Handing the file to another owner needs privileges a user rarely has; it is then theirs.
  [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
  ::fchmod(fd, old.st_mode & 07777);
}

}  // namespace

Replacement::Replacement(const std::string& path, const WriteHooks& hooks) : final_(path), hooks_(hooks) {
  struct stat old {};
  bool replacing = false;
  error_ = FollowLinks(final_);
  if (error_ == 0) error_ = ReplaceRefusal(final_, old, replacing);
  if (error_ == 0) error_ = Create();
  if (error_ == 0 && replacing) KeepOwnerAndMode(fd_, old);
}

int Replacement::Create() {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary_ = FolderPrefix(final_) + TemporaryName();
    if (hooks_.TemporaryNamed) hooks_.TemporaryNamed(temporary_);
    // Created with 0666 so that the umask decides a new file's permissions, as for any file.
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) return 0;
    if (errno != EEXIST) break;
  }
  const int error = errno;
  temporary_.clear();  // not ours to remove
  return error;
}

std::string Replacement::Folder() const {
  const std::string folder = FolderPrefix(final_);
  return folder.empty() ? "." : folder;
}

int Replacement::Finish() {
  int error = hooks_.Sync(fd_);
  if (::close(std::exchange(fd_, -1)) != 0 && error == 0) error = errno;
  return error;
}

int Replacement::Swap(unsigned flags) {
  return ::renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, final_.c_str(), flags) == 0 ? 0 : errno;
}

// An exchange or a rename that replaces nothing can be taken back; a file system that has neither,
// or something other than a file in the way, gets the plain rename.
int Replacement::Place() {
  struct stat target {};
  const bool exists = ::lstat(final_.c_str(), &target) == 0;
  if (exists && S_ISREG(target.st_mode) && Swap(RENAME_EXCHANGE) == 0) {
    placed_ = Placed::Exchanged;
  } else if (!exists && Swap(RENAME_NOREPLACE) == 0) {
    placed_ = Placed::Created;
  } else if (::rename(temporary_.c_str(), final_.c_str()) == 0) {
    placed_ = Placed::Renamed;
  } else {
    return errno;
  }
  return 0;
}

void Replacement::Undo() {
  if (placed_ == Placed::Exchanged && Swap(RENAME_EXCHANGE) == 0) placed_ = Placed::No;
  if (placed_ == Placed::Created && ::rename(final_.c_str(), temporary_.c_str()) == 0) placed_ = Placed::No;
}

void Replacement::Release() {
  if (fd_ >= 0) ::close(std::exchange(fd_, -1));
  if (!temporary_.empty() && (placed_ == Placed::No || placed_ == Placed::Exchanged)) ::unlink(temporary_.c_str());
  temporary_.clear();
}

}  // namespace tessmark
