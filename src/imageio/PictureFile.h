#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "base/UserMessage.h"
#include "imageio/PictureFailure.h"
#include "imageio/PictureRows.h"
#include "picture/LoadedPicture.h"

namespace tessmark {

// A result without a picture is a failure, told by the other fields.
template <class T> struct PictureRead {
  std::optional<T> Picture;
  std::optional<UserMessage> Message;
  PictureFault Fault = PictureFault::None;
  int Error = 0;
};

// Whether the file's extension names a format DecodePictureFile decodes.
bool IsPictureFileName(const std::string& path);

// Decodes a picture file held in memory into rows, by the reader of the format the extension of
// path names (in any letter case). BMP pixels that are pure white are the transparent background,
// all others opaque; PNG files are decoded by the plug-in in programDirectory. Messages: a missing
// plug-in, a PNG the plug-in refuses ("readingfile"); other failures have none.
PictureFailure DecodePictureFile(std::span<const std::uint8_t> file, const std::string& path,
                                 const std::string& programDirectory, PictureRows& rows);

// Reads the file and decodes it the same way; a file that cannot be read has the message
// "accessfile". The file's bytes are let go before this returns.
PictureFailure ReadPictureFile(const std::string& path, const std::string& programDirectory, PictureRows& rows);

// The picture of a file as 4-byte pixels, rows from the top, alpha 255 where the file has none.
PictureRead<LoadedPicture> LoadPictureRgba(const std::string& path, const std::string& programDirectory);

// The same from the file's bytes already in memory.
PictureRead<LoadedPicture> DecodePictureRgba(std::span<const std::uint8_t> file, const std::string& path,
                                             const std::string& programDirectory);

}  // namespace tessmark
