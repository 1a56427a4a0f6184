#pragma once

#include <functional>
#include <string>

#include "cli/CommandLine.h"
#include "picture/Picture.h"

namespace tessmark::cli {

// Encodes the picture in the format and writes it whole (or leaves the path as it was), telling
// temporaryNamed where the file is written first. Returns why it failed, or nothing.
std::string WriteOutput(const Picture& picture, OutputFormat format, const std::string& path,
                        const std::function<void(const std::string&)>& temporaryNamed = {});

}  // namespace tessmark::cli
