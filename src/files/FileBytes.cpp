#include "files/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "files/Descriptor.h"
#include "files/HugePages.h"

namespace tessmark {

FileBytes ReadWholeFile(const std::string& path, std::uint64_t maxBytes) {
  FileBytes result;
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return {{}, errno};
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return {{}, errno};
  if (S_ISDIR(info.st_mode)) return {{}, EISDIR};
  // The size is only a hint (the file may change while it is read); the limit holds regardless.
  if (info.st_size > 0 && static_cast<std::uint64_t>(info.st_size) <= maxBytes) {
    result.Bytes.reserve(static_cast<std::size_t>(info.st_size));
    AdviseHugePages(result.Bytes.data(), result.Bytes.capacity());
  }
  std::uint8_t chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      return {{}, errno};
    }
    if (n == 0) break;
    if (result.Bytes.size() + static_cast<std::size_t>(n) > maxBytes) return {{}, EFBIG};
    result.Bytes.insert(result.Bytes.end(), chunk, chunk + n);
  }
  return result;
}

}  // namespace tessmark
