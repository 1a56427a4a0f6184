#pragma once

#include <string>

#include "picture/Picture.h"

namespace tessmark {

// Encodes the whole picture at quality 99 and writes the file all or nothing: on false the target
// is as it was before.
bool WriteJpegFile(const std::string& path, const Picture& picture);

}  // namespace tessmark
