#include "app/ui/ProgramIcon.h"

namespace tessmark {

QIcon ProgramIcon() { return QIcon(":/icons/vornade"); }

}  // namespace tessmark
