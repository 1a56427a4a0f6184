#pragma once

#include <memory>

#include "app/ui/Platform.h"
#include "settings/ui/RecordDialog.h"

class QWidget;

namespace tessmark {

// The dialog of one record, not yet shown; none for an operation without one.
std::unique_ptr<RecordDialog> MakeParameterDialog(QWidget* parent, RecordDialogKind dialog, Settings& settings);

// Shows the dialog of one record modally over parent; true on OK, the record then updated.
bool RunParameterDialog(QWidget* parent, RecordDialogKind dialog, Settings& settings);

}  // namespace tessmark
