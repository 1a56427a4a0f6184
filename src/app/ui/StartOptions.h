#pragma once

#include <QStringList>

#include <optional>
#include <string>

namespace tessmark {

// What the command line of vornade asks for before any window, or a display, exists.
struct StartRequest {
  bool OpenWindow = true;
  std::optional<std::string> Platform;  // -platform: the Qt platform plug-in
  std::optional<std::string> Display;   // -display: the X display
  int Status = 0;      // the exit status when no window opens
  std::string Output;  // the help or the version, for standard output
  std::string Error;   // one line for standard error
};

// arguments as the program received them, its own name first. Qt's display options (-platform,
// -display, -style) are left for the application object.
StartRequest ReadStartOptions(const QStringList& arguments);

}  // namespace tessmark
