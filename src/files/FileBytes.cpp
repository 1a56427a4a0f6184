#include "files/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "files/Descriptor.h"

namespace tessmark {
namespace {

ssize_t ReadSome(int fd, std::uint8_t* into, std::size_t bytes) {
  ssize_t n;
  do n = ::read(fd, into, bytes);
  while (n < 0 && errno == EINTR);
  return n;
}

// The file's size is only a hint (the file may change while it is read); the limit holds
// regardless. Room for the expected size is made first and filled in place; a small read past it
// tells the end without growing the block.
template <class Container> int ReadAll(int fd, std::uint64_t maxBytes, Container& bytes) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return errno;
  if (S_ISDIR(info.st_mode)) return EISDIR;
  const bool sizeFits = info.st_size > 0 && static_cast<std::uint64_t>(info.st_size) <= maxBytes;
  bytes.resize(sizeFits ? static_cast<std::size_t>(info.st_size) : 0);
  std::size_t size = 0;
  std::uint8_t chunk[65536];
  for (;;) {
    const bool full = size == bytes.size();
    const ssize_t n = full ? ReadSome(fd, chunk, sizeof chunk) : ReadSome(fd, bytes.data() + size, bytes.size() - size);
    if (n < 0) return errno;
    if (n == 0) break;
    if (size + static_cast<std::size_t>(n) > maxBytes) return EFBIG;
    if (full) bytes.insert(bytes.end(), chunk, chunk + n);
    size += static_cast<std::size_t>(n);
  }
  bytes.resize(size);
  return 0;
}

template <class Container> BasicFileBytes<Container> ReadWhole(const std::string& path, std::uint64_t maxBytes) {
  BasicFileBytes<Container> result;
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  result.Error = fd.get() < 0 ? errno : ReadAll(fd.get(), maxBytes, result.Bytes);
  if (result.Error != 0) result.Bytes = {};
  return result;
}

int ReadStart(int fd, std::uint64_t maxBytes, std::vector<std::uint8_t>& bytes, bool& whole) {
  std::uint8_t chunk[65536];
  for (;;) {
    const std::uint64_t room = maxBytes + 1 - bytes.size();
    const ssize_t n = ReadSome(fd, chunk, static_cast<std::size_t>(std::min<std::uint64_t>(room, sizeof chunk)));
    if (n < 0) return errno;
    bytes.insert(bytes.end(), chunk, chunk + n);
    if (n == 0 || bytes.size() > maxBytes) break;
  }
  whole = bytes.size() <= maxBytes;
  bytes.resize(std::min<std::uint64_t>(bytes.size(), maxBytes));
  return 0;
}

}  // namespace

FileBytes ReadFileStart(const std::string& path, std::uint64_t maxBytes, bool& whole) {
  FileBytes result;
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  result.Error = fd.get() < 0 ? errno : ::fstat(fd.get(), &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
  if (result.Error == 0) result.Error = ReadStart(fd.get(), maxBytes, result.Bytes, whole);
  if (result.Error != 0) result.Bytes = {};
  return result;
}

FileBytes ReadWholeFile(const std::string& path, std::uint64_t maxBytes) {
  return ReadWhole<std::vector<std::uint8_t>>(path, maxBytes);
}

BasicFileBytes<LargeBytes> ReadWholeLargeFile(const std::string& path, std::uint64_t maxBytes) {
  return ReadWhole<LargeBytes>(path, maxBytes);
}

}  // namespace tessmark
