#pragma once

#include <string>

#include "picture/Picture.h"

namespace tessmark {

// Writes the whole picture, its own width and height, as a lossless 8-bit RGB PNG file, all or
// nothing. 0, or the errno of the failure (ENOMEM when it cannot be encoded); on failure the
// target is as it was before and nothing else is left behind.
int WritePngFile(const std::string& path, const Picture& picture);

}  // namespace tessmark
