#pragma once

#include <string>
#include <string_view>

#include "files/FileSink.h"
#include "files/WriteHooks.h"
#include "imageio/PictureFormats.h"
#include "picture/Picture.h"

namespace tessmark {

// Writes the whole picture, its own width and height, in the format, streamed into the file as the
// encoder makes it and all or nothing. 0, or the errno of the failure: ECANCELED when the encoder
// failed; on failure the target is as it was before and nothing else is left behind. recipe, when
// not empty, goes inside the file where the format can carry it.
int WritePictureFile(const std::string& path, const Picture& picture, const PictureFormat& format,
                     const WriteHooks& hooks = {}, std::string_view recipe = {});

// The picture encoded in the format, as a producer of a file's content (for files written together).
FileProducer PictureProducer(const Picture& picture, const PictureFormat& format, std::string_view recipe = {});

}  // namespace tessmark
