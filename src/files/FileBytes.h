#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tessmark {

// A whole file read into memory. Error is 0 on success, else the errno of the failure (EFBIG when
// the file is larger than the caller allows, EISDIR for a folder).
struct FileBytes {
  std::vector<std::uint8_t> Bytes;
  int Error = 0;
};

FileBytes ReadWholeFile(const std::string& path, std::uint64_t maxBytes);

// Writes the file through a temporary file in the same folder renamed over the target, so the
// target is either the old file or the complete new one, never a truncated mixture. Returns 0 or
// the errno of the failure; on failure nothing is left behind.
int WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace tessmark
