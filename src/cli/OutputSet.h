#pragma once

#include <span>
#include <string>

#include "cli/CommandLine.h"
#include "textureset/PictureSetFile.h"

namespace tessmark::cli {

// Writes every picture whole or none of them. Returns why it failed, or nothing.
std::string WriteAllOrNone(std::span<const OutputPicture> pictures, OutputFormat format);

}  // namespace tessmark::cli
