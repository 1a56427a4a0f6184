#pragma once

#include <string>

#include "picture/Picture.h"

namespace tessmark::cli {

// Why writing the picture to path failed with the errno, or nothing for 0.
std::string WriteFailure(const Picture& picture, int error, const std::string& path);

}  // namespace tessmark::cli
