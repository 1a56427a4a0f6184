#pragma once

#include "app/ui/CommandContext.h"

namespace tessmark {

// Before the picture leaves the program: there is one, and it is at least 4 x 4. Each check tells
// the user why it refuses.
inline bool CheckPictureToExport(CommandContext& c) {
  return c.RequirePicture() && c.CheckPictureSize(c.State.CurrentPicture->Width, c.State.CurrentPicture->Height);
}

}  // namespace tessmark
