#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace tessmark {

// Where the bytes of a file being written go, in order, through a buffer. The first failed write
// is kept and every later one dropped, so a producer may write everything and let the writer
// report the failure.
class FileSink {
 public:
  explicit FileSink(int fd);
  void Write(std::span<const std::uint8_t> bytes);
  // Writes out what the buffer holds; 0 or the errno of the first failure.
  int Flush();

 private:
  void Put(std::span<const std::uint8_t> bytes);

  int fd_;
  int error_ = 0;
  std::vector<std::uint8_t> buffer_;
  std::uint64_t written_ = 0;
  std::uint64_t queued_ = 0;  // handed to the disk already
};

// Writes the file's whole content into the sink; false abandons the file.
using FileProducer = std::function<bool(FileSink&)>;

// Writes the file through a temporary file in the final file's folder renamed over it, so the file
// is either the old one or the complete new one, never a truncated mixture. A symbolic link is
// followed and stays; an existing file keeps its permissions (and its owner where allowed) and is
// refused, untouched, when the user could not open it for writing; a new file gets 0666 less the
// umask. Returns 0, the errno of the failure, or ECANCELED when the producer gave up; on failure
// nothing is left behind.
int WriteFileAtomically(const std::string& path, const FileProducer& produce);
int WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace tessmark
