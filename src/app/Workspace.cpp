#include "app/Workspace.h"

#include <algorithm>

namespace tessmark {

WorkerPool* PaintWorkers(Workspace& workspace) {
  if (!workspace.Workers) workspace.Workers = std::make_unique<WorkerPool>(DefaultThreads());
  return workspace.Workers.get();
}

std::string MainConfigPath(const std::string& dataDirectory) {
  if (!dataDirectory.empty() && dataDirectory.back() == '/') return dataDirectory + "main.gccfg";
  return dataDirectory + "/main.gccfg";
}

bool TakeUndoSnapshot(Workspace& workspace) {
  if (!workspace.CurrentPicture) {
    workspace.UndoPicture.reset();
    workspace.UndoRecipe = {};
    return true;
  }
  std::optional<Picture> copy = ClonePicture(*workspace.CurrentPicture, workspace.Memory);
  if (!copy) return false;
  workspace.UndoPicture = std::move(copy);
  workspace.UndoRecipe = workspace.PictureRecipe;
  return true;
}

bool RestoreUndoSnapshot(Workspace& workspace) {
  if (!workspace.UndoPicture) {
    workspace.CurrentPicture.reset();
    workspace.PictureRecipe = {};
    return true;
  }
  std::optional<Picture> copy = ClonePicture(*workspace.UndoPicture, workspace.Memory);
  if (!copy) return false;
  workspace.CurrentPicture = std::move(copy);
  workspace.PictureRecipe = workspace.UndoRecipe;
  return true;
}

void ReturnToUndoSnapshot(Workspace& workspace) {
  if (!workspace.UndoPicture || !workspace.CurrentPicture) return;
  const Picture& snapshot = *workspace.UndoPicture;
  Picture& picture = *workspace.CurrentPicture;
  if (picture.Width != snapshot.Width || picture.Height != snapshot.Height) return;
  std::copy_n(snapshot.Pixels(), snapshot.ByteCount(), picture.Pixels());
  workspace.PictureRecipe = workspace.UndoRecipe;
}

void StartNewPicture(Workspace& workspace, Picture picture) {
  workspace.PictureRecipe = WhiteRecipe(picture.Width, picture.Height);
  workspace.CurrentPicture = std::move(picture);
  ++workspace.Session;
}

void StartTakenInPicture(Workspace& workspace, Picture picture) {
  workspace.PictureRecipe = TakenInRecipe(picture);
  workspace.CurrentPicture = std::move(picture);
  ++workspace.Session;
}

}  // namespace tessmark
