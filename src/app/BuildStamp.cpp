#include "app/BuildStamp.h"

#include <cstdio>

namespace tessmark {

std::string MainWindowTitle() {
  char text[96];
  std::snprintf(text, sizeof text, "TessmarkPicture Version %d.%d Build (%s %s)", 0, 2, __DATE__, __TIME__);
  return text;
}

}  // namespace tessmark
