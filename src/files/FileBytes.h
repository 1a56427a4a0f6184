#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "files/AtomicFile.h"  // the writing side of whole files

namespace tessmark {

// A whole file read into memory. Error is 0 on success, else the errno of the failure (EFBIG when
// the file is larger than the caller allows, EISDIR for a folder).
struct FileBytes {
  std::vector<std::uint8_t> Bytes;
  int Error = 0;
};

FileBytes ReadWholeFile(const std::string& path, std::uint64_t maxBytes);

}  // namespace tessmark
