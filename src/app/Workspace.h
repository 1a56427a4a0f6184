#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "imageio/Bitmap32.h"
#include "journal/SessionJournal.h"
#include "paint/RandomValue.h"
#include "paint/WorkerPool.h"
#include "palette/Palette.h"
#include "picture/Picture.h"
#include "recipe/Recipe.h"
#include "settings/ParameterRecords.h"
#include "view/ViewGeometry.h"

namespace tessmark {

// Everything the main window owns for the whole run: the working picture and its one undo
// snapshot, every operation's settings, the painting state that carries over between commands,
// and the view.
struct Workspace {
  std::optional<Picture> CurrentPicture;
  std::optional<Picture> UndoPicture;
  // How the current picture was made, and how the undo snapshot's was.
  Recipe PictureRecipe;
  Recipe UndoRecipe;
  // The picture as shown at the current zoom; rebuilt after every change of picture or zoom.
  std::optional<Bitmap32> DisplayBitmap;
  tessmark::Settings Settings;
  Palette CurrentPalette;
  std::uint8_t CurrentBlendWeight = 255;
  RandomValue Random;
  std::unique_ptr<WorkerPool> Workers;  // see PaintWorkers
  ViewPosition View;
  std::string ConfigPath;
  std::string DataDirectory;
  std::string ProgramDirectory;
  // Counts the sessions: a new picture, an import, a paste or a restore starts the next one.
  std::uint32_t Session = 0;
  // The journal of the session, kept after every command.
  SessionJournal Journal;
  std::uint32_t JournalSession = 0;  // the session the journal's open entry holds
  // Asked before every picture-sized block is allocated.
  AvailableMemory Memory = SystemAvailableMemory;

  bool Connectable() const { return Settings.Config.Connectable != 0; }
};

// The threads that paint with the one calling, made for the first command that paints and kept
// for those after it.
WorkerPool* PaintWorkers(Workspace& workspace);

// "main.gccfg" in the data directory (at the root when the data directory is unknown).
std::string MainConfigPath(const std::string& dataDirectory);

// Replaces the undo snapshot by a copy of the current picture and its recipe (none when there is
// no picture). False, with the old snapshot kept, when the copy does not fit in memory.
bool TakeUndoSnapshot(Workspace& workspace);

// Puts a copy of the snapshot and its recipe in place of the current picture; the snapshot stays,
// so undo can be repeated. Without a snapshot the picture is dropped. False, with the picture
// kept, when the copy does not fit in memory.
bool RestoreUndoSnapshot(Workspace& workspace);

// After a command that failed part way, the picture and its recipe as the snapshot taken for that
// command holds them: copied over the picture's own pixels, since memory has just run out.
void ReturnToUndoSnapshot(Workspace& workspace);

// The new picture becomes the current one, its recipe starting from white or from the picture as
// it was taken in (an import), in a new session.
void StartNewPicture(Workspace& workspace, Picture picture);
void StartTakenInPicture(Workspace& workspace, Picture picture);

}  // namespace tessmark
