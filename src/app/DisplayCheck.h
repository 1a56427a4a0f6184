#pragma once

#include <optional>
#include <string>

#include "settings/Directories.h"

namespace tessmark {

// Qt aborts when the X display it is to open does not answer, so the desktop program asks first.
// The X display Qt will open: -display's, else DISPLAY's (empty when unset), when the window goes
// to X: -platform, else QT_QPA_PLATFORM, else the session names only xcb. Nothing when another
// plug-in shows the window (Wayland, offscreen, ...), which is for Qt to judge.
std::optional<std::string> XDisplayToOpen(const std::optional<std::string>& platform,
                                          const std::optional<std::string>& display, const EnvironmentLookup& lookup);

// Whether an X server takes a connection at name; an empty name names none. Without the X client
// library there is no telling, and the answer is yes.
bool XDisplayAnswers(const std::string& name);

}  // namespace tessmark
