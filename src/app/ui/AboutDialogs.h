#pragma once

#include <string>

class QWidget;

namespace tessmark {

// "About Box": the build text in a read-only box.
void RunAboutBox(QWidget* parent, const std::string& text);
// "About vornade": the icon and the program's version line.
void RunProgramAbout(QWidget* parent);

}  // namespace tessmark
