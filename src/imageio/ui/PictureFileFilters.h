#pragma once

#include <string>

#include "imageio/PictureFormatWords.h"
#include "imageio/PictureFormats.h"

namespace tessmark {

// The open dialogs' filter ("description|pattern|") of every picture file the program reads.
inline std::string PictureFilesFilter() { return "Pictures|" + ReadFilePatterns() + "|"; }

// The export dialog's filter: the format's own extension, which a name typed without one gets.
inline std::string ExportFilter(const PictureFormat& format) {
  const std::string pattern = "*." + std::string(format.Extensions.front());
  return pattern + "|" + pattern + "|";
}

}  // namespace tessmark
