#pragma once

#include <QKeySequence>
#include <QList>

namespace tessmark {

// The keyboard shortcuts desktop users expect, added to the menu commands.
QList<QKeySequence> CommandShortcuts(int commandId);

}  // namespace tessmark
