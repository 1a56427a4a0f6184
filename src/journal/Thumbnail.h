#pragma once

#include <cstdint>

#include "picture/Picture.h"

namespace tessmark {

// The picture shrunk to fit a square of side `side`, one pixel taken for each of its own: cheap
// enough for every change of a huge picture. A smaller picture is copied as it is.
Picture Thumbnail(const Picture& picture, std::int32_t side = 96);

}  // namespace tessmark
