#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cli/CommandLine.h"
#include "picture/Picture.h"

namespace tessmark::cli {

// Encodes the picture in the format and writes it whole (or leaves the path as it was), telling
// temporaryNamed where the file is written first, with the recipe inside where the format carries
// one. Returns why it failed, or nothing.
std::string WriteOutput(const Picture& picture, OutputFormat format, const std::string& path,
                        const std::function<void(const std::string&)>& temporaryNamed = {},
                        std::string_view recipe = {});

}  // namespace tessmark::cli
