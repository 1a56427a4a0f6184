#pragma once

#include <string>
#include <string_view>

#include "imageio/PictureFile.h"
#include "settings/Configuration.h"

namespace tessmark::cli {

// "cannot read PATH: reason": the command line's own words for every file it could not use, built
// from what the loader found rather than from the desktop program's message texts.
std::string CannotRead(std::string_view path, std::string_view reason);

// The reason for a file that could not be read at all (errno).
std::string FileErrorReason(int error);

std::string PictureReason(PictureFault fault, int error);

std::string ConfigurationReason(const ConfigurationLoad& load);

}  // namespace tessmark::cli
