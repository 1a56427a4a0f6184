#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "files/AtomicFile.h"

namespace tessmark {

// Takes an encoder's output piece by piece, in order: into memory or straight into a file.
using ByteSink = std::function<void(std::span<const std::uint8_t>)>;

inline ByteSink IntoFile(FileSink& file) {
  return [&file](std::span<const std::uint8_t> piece) { file.Write(piece); };
}

}  // namespace tessmark
