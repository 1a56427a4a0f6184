#pragma once

#include <string>

#include "base/UserMessage.h"

namespace tessmark {

// The main window's messages, all under its caption.
inline constexpr const char* MainCaption = "TessmarkPicture";

inline UserMessage MainMessage(std::string text, MessageIcon icon = MessageIcon::Stop) {
  return {std::move(text), MainCaption, icon};
}

inline UserMessage NoPictureMessage() { return MainMessage("The picture is not initialized,please goto File->New"); }
inline UserMessage PictureTooSmallMessage() { return MainMessage("The picture should be have a minimum size 4,4"); }
inline UserMessage ConfirmExitMessage() { return MainMessage("Confirm exit ?", MessageIcon::Exclamation); }
inline UserMessage OutOfMemoryMessage() {
  return MainMessage("Not enough memory for this picture; the current picture is kept.");
}
inline UserMessage DisplayOutOfMemoryMessage() {
  return MainMessage("Not enough memory to show the picture; it is kept as it is.");
}
inline UserMessage FullMixQuestion() { return {"Click on yes for Full 100% Mix", "FillColor", MessageIcon::None}; }

}  // namespace tessmark
