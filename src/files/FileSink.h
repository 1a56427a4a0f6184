#pragma once

#include <cstdint>
#include <functional>
#include <span>
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

// The producer of a content already made; the bytes must outlive it.
FileProducer WritingBytes(std::span<const std::uint8_t> bytes);

}  // namespace tessmark
