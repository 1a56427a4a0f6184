#pragma once

#include <string>

#include "picture/Picture.h"

namespace tessmark {

// The chosen path with ".jpg" appended when its file name has no extension (no dot); a name with
// any extension is kept as it is.
std::string MakeJpegPath(const std::string& chosenPath);

// Encodes the whole picture at quality 99 and writes the file all or nothing: on false the target
// is as it was before.
bool WriteJpegFile(const std::string& path, const Picture& picture);

}  // namespace tessmark
