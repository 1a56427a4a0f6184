#pragma once

#include <string>

#include "cli/CommandLine.h"
#include "picture/Picture.h"

namespace tessmark::cli {

// Encodes the picture in the format and writes it whole (or leaves the path as it was). Returns why
// it failed, or nothing.
std::string WriteOutput(const Picture& picture, OutputFormat format, const std::string& path);

// Why writing the picture to path failed with the errno, or nothing for 0.
std::string WriteFailure(const Picture& picture, int error, const std::string& path);

}  // namespace tessmark::cli
