#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "files/AtomicFile.h"  // the writing side of whole files
#include "files/HugePages.h"

namespace tessmark {

// A whole file read into memory. Error is 0 on success, else the errno of the failure (EFBIG when
// the file is larger than the caller allows, EISDIR for a folder).
template <class Container> struct BasicFileBytes {
  Container Bytes;
  int Error = 0;
};

using FileBytes = BasicFileBytes<std::vector<std::uint8_t>>;

FileBytes ReadWholeFile(const std::string& path, std::uint64_t maxBytes);

// At most the first maxBytes of a file; whole tells whether that was all of it.
FileBytes ReadFileStart(const std::string& path, std::uint64_t maxBytes, bool& whole);

// The same into a large block (picture files): read straight into it, no byte cleared first.
BasicFileBytes<LargeBytes> ReadWholeLargeFile(const std::string& path, std::uint64_t maxBytes);

}  // namespace tessmark
