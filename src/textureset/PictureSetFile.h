#pragma once

#include <span>
#include <string>
#include <string_view>

#include "files/WriteHooks.h"
#include "imageio/PictureFormats.h"
#include "picture/Picture.h"

namespace tessmark {

struct OutputPicture {
  const Picture& Pixels;
  std::string Path;
  std::string_view Recipe = {};  // carried inside where the format can
};

struct PictureSetWrite {
  int Error = 0;  // 0, or the errno of the failure as WritePictureFile gives it
  const OutputPicture* Failed = nullptr;
};

// Writes every picture whole or none of them: each first to a temporary beside its path, all put
// in place once all are written.
PictureSetWrite WritePictureSet(std::span<const OutputPicture> pictures, const PictureFormat& format,
                                const WriteHooks& hooks = {});

}  // namespace tessmark
