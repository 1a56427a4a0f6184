#pragma once

#include <string>
#include <vector>

#include "app/ui/CommandTable.h"

namespace tessmark {

// File > Import > "Picture file ...".
void RegisterPictureFileImportCommand(CommandTable& table);

// Makes the file the current picture, after the undo snapshot so that "Annuler" brings the old one
// back, and shows it from the origin at zoom 1. A file that cannot be used is one message, and the
// picture, the snapshot and the view stay as they were.
void ImportPictureFile(CommandContext& c, const std::string& path);

// Files dropped on the main window: exactly one picture file is imported; anything else is refused
// with a message saying what is accepted.
void ImportDroppedFiles(CommandContext& c, const std::vector<std::string>& paths);

}  // namespace tessmark
