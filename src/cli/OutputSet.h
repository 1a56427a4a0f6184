#pragma once

#include <functional>
#include <span>
#include <string>

#include "cli/CommandLine.h"
#include "textureset/PictureSetFile.h"

namespace tessmark::cli {

// Writes every picture whole or none of them, telling temporaryNamed where each is written first.
// Returns why it failed, or nothing.
std::string WriteAllOrNone(std::span<const OutputPicture> pictures, OutputFormat format,
                           const std::function<void(const std::string&)>& temporaryNamed = {});

}  // namespace tessmark::cli
