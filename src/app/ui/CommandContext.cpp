#include "app/ui/CommandContext.h"

#include "app/CommandMessages.h"

namespace tessmark {

bool CommandContext::TakeUndoSnapshot() {
  if (tessmark::TakeUndoSnapshot(State)) return true;
  Desktop.ShowMessage(OutOfMemoryMessage(), MessageButtons::Ok);
  return false;
}

bool CommandContext::RequirePicture() {
  if (State.CurrentPicture) return true;
  Desktop.ShowMessage(NoPictureMessage(), MessageButtons::Ok);
  return false;
}

void CommandContext::ResetView() {
  tessmark::ResetView(State.View);
  View.LayoutScrollBars();
}

void CommandContext::ShowZoom(std::int32_t previousZoom) {
  if (State.View.Zoom != previousZoom || !State.DisplayBitmap) RebuildDisplay();
  View.LayoutScrollBars();
}

bool CommandContext::CheckPictureSize(std::int32_t width, std::int32_t height) {
  if (width >= 4 && height >= 4) return true;
  Desktop.ShowMessage(PictureTooSmallMessage(), MessageButtons::Ok);
  return false;
}

}  // namespace tessmark
