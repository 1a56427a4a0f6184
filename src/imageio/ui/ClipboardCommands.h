#pragma once

#include "app/ui/CommandTable.h"

namespace tessmark {

// The whole picture and the bordered part to and from the clipboard, and the filter that sends the
// part to another picture program and takes it back.
void RegisterClipboardCommands(CommandTable& table);

}  // namespace tessmark
