#pragma once

#include <QIcon>

namespace tessmark {

// The program's icon: a seamless tile painted by the program itself.
QIcon ProgramIcon();

}  // namespace tessmark
