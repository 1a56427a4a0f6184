#pragma once

#include <QColor>

#include "picture/Color.h"

namespace tessmark {

// Colour references keep red in the lowest byte; the top byte (set only by "no colour") is ignored.
inline QColor ToQColor(ColorRef ref) {
  const Color c = ColorFromRef(ref);
  return QColor(c.Red, c.Green, c.Blue);
}

inline QColor ToQColor(Color c) { return QColor(c.Red, c.Green, c.Blue); }

}  // namespace tessmark
