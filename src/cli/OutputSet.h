#pragma once

#include <span>
#include <string>

#include "cli/CommandLine.h"
#include "picture/Picture.h"

namespace tessmark::cli {

struct OutputPicture {
  const Picture& Pixels;
  std::string Path;
};

// Writes every picture whole or none of them: a single one as WriteOutput does; several each to a
// temporary beside its path, renamed in place once all are written. Returns why it failed, or
// nothing.
std::string WriteAllOrNone(std::span<const OutputPicture> pictures, OutputFormat format);

}  // namespace tessmark::cli
