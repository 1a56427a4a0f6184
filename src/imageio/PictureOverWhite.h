#pragma once

#include <optional>
#include <string>

#include "base/UserMessage.h"
#include "imageio/PictureFile.h"
#include "picture/Picture.h"

namespace tessmark {

// A picture file as a working picture, or why there is none.
struct PictureOverWhiteRead {
  std::optional<tessmark::Picture> Picture;
  // The loader's message for a file it could not read, when it has one.
  std::optional<UserMessage> Message;
  // The file was read but its picture does not fit in memory.
  bool OutOfMemory = false;
  PictureFault Fault = PictureFault::None;
  int Error = 0;  // the errno of an Unreadable file
};

// Reads a picture file (as ReadPictureFile) and lays it over a white picture of its size, so that
// its transparent parts show white. The size is not checked against any minimum. The pixels go from
// the decoder to the picture in one pass.
PictureOverWhiteRead ReadPictureOverWhite(const std::string& path, const std::string& programDirectory);

}  // namespace tessmark
