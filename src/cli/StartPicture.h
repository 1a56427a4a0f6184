#pragma once

#include <string>

#include "cli/CommandLine.h"
#include "picture/Picture.h"
#include "settings/ParameterRecords.h"

namespace tessmark::cli {

// The picture the operations paint on: the --input file, or a white picture of --size, else of the
// configuration's new-picture size.
Parsed<Picture> StartPicture(const CommandLine& line, const Settings& settings, const std::string& programDirectory);

}  // namespace tessmark::cli
