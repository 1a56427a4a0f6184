#include "files/FileSink.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace tessmark {
namespace {

constexpr std::size_t SinkBufferBytes = std::size_t{1} << 18;
constexpr std::uint64_t WriteBackBytes = std::uint64_t{8} << 20;

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

FileProducer WritingBytes(std::span<const std::uint8_t> bytes) {
  return [bytes](FileSink& sink) {
    sink.Write(bytes);
    return true;
  };
}

}  // namespace tessmark
