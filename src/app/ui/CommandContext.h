#pragma once

#include <cstdint>
#include <string>

#include "app/Workspace.h"
#include "app/ui/Platform.h"

namespace tessmark {

// The window's rectangle in screen coordinates, as the placement settings store it.
struct WindowPlacement {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// What the commands ask of the main window itself.
class MainView {
 public:
  virtual ~MainView() = default;
  // Rebuilds the display from the current picture at the current zoom and repaints.
  virtual void RebuildDisplay() = 0;
  // Places the scroll bars and sets their ranges to the picture's size.
  virtual void LayoutScrollBars() = 0;
  // While a generator paints: shows the visible part of the picture as it is now, and the status.
  virtual void ShowPainting(const std::string& status) = 0;
  virtual WindowPlacement Placement() const = 0;
  // Ends the program's run; the caller has saved what is to be saved.
  virtual void EndProgram() = 0;
};

// What every command runs against: the window's state, the desktop and the window.
struct CommandContext {
  Workspace& State;
  Platform& Desktop;
  MainView& View;

  void RebuildDisplay() { View.RebuildDisplay(); }
  // After the view's zoom changed from `previousZoom`: the display is rebuilt only for another
  // reduction (a magnification is drawn from it as it is); the bars take the new page and offsets.
  void ShowZoom(std::int32_t previousZoom);
  // The view of a picture that replaced another: zoom 1, offsets 0, scroll ranges to its size.
  void ResetView();
  // Snapshot before a change of the picture; false, after telling the user, when it does not
  // fit in memory, and the command must then leave the picture alone.
  bool TakeUndoSnapshot();
  // The checks before a command uses the picture, each telling the user why it refuses.
  bool RequirePicture();
  bool CheckPictureSize(std::int32_t width, std::int32_t height);
};

}  // namespace tessmark
