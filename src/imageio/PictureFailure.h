#pragma once

#include <optional>

#include "base/UserMessage.h"

namespace tessmark {

// Where a read failed, for callers that tell it in their own words.
enum class PictureFault { None, Unreadable, UnknownExtension, Damaged, NoPlugin, NoMemory };

// Why a picture file gave no picture; the message, when there is one, is for the user.
struct PictureFailure {
  std::optional<UserMessage> Message;
  PictureFault Fault = PictureFault::None;
  int Error = 0;  // the errno of an Unreadable file
};

}  // namespace tessmark
