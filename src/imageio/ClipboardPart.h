#pragma once

#include <cstdint>
#include <optional>

#include "imageio/Bitmap32.h"
#include "picture/Picture.h"

namespace tessmark {

// The picture with a border of width / 8 columns and height / 8 rows on every side, read with the
// picture's wrapping: connectable, the border continues the tiling; otherwise each border pixel
// repeats the pixel before it in row order (white before the first).
std::optional<Bitmap32> BuildPartExportBitmap(const Picture& picture, bool connectable);

// The size of that bitmap.
PictureSize PartExportSize(const Picture& picture);

// The size a part import is checked against: the clipboard size divided by 1.25, truncated.
PictureSize PartImportCheckedSize(std::int32_t width, std::int32_t height);

// The clipboard picture without its border of width / 10 columns and height / 10 rows on every side:
// exactly the picture a part export was made from.
std::optional<Picture> CropPartImport(const Picture& clipboardPicture,
                                     const AvailableMemory& available = SystemAvailableMemory);

}  // namespace tessmark
