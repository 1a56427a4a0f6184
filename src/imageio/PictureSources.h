#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/UserMessage.h"
#include "imageio/PictureFile.h"
#include "picture/LoadedPicture.h"
#include "settings/ParameterRecords.h"

namespace tessmark {

// The file that stopped a load, with its message for the user when the loader has one.
struct SourceLoadFailure {
  std::string Path;
  std::optional<UserMessage> Message;
  PictureFault Fault = PictureFault::None;
  int Error = 0;
};

struct PictureSources {
  std::vector<LoadedPicture> Pictures;  // empty after a failure
  std::optional<SourceLoadFailure> Failure;
};

// Loads every file of the list in order and stops at the first that fails; later files are not
// opened.
PictureSources LoadPictureSources(const PictureFiles& files, const std::string& programDirectory);

}  // namespace tessmark
