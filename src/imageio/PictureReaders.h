#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "imageio/PictureFailure.h"
#include "imageio/PictureRows.h"

namespace tessmark {

// The readers of the picture formats, each a PictureReader. BMP pixels that are pure white are the
// transparent background, all others opaque. Only the PNG reader has messages: a missing plug-in,
// and "readingfile" for a file the plug-in refuses.
PictureFailure ReadBmpRows(std::span<const std::uint8_t> file, const std::string& path,
                           const std::string& programDirectory, PictureRows& rows);
PictureFailure ReadPngRows(std::span<const std::uint8_t> file, const std::string& path,
                           const std::string& programDirectory, PictureRows& rows);
PictureFailure ReadJpegRows(std::span<const std::uint8_t> file, const std::string& path,
                            const std::string& programDirectory, PictureRows& rows);

}  // namespace tessmark
