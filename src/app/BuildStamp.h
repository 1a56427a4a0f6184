#pragma once

#include <string>

namespace tessmark {

// "TessmarkPicture Version 0.2 Build (Mmm dd yyyy hh:mm:ss)" with this build's compile stamps:
// the main window's title and the about box's text.
std::string MainWindowTitle();

}  // namespace tessmark
