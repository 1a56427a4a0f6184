#include "app/ui/MenuShortcuts.h"

#include "app/CommandIds.h"

namespace tessmark {

QList<QKeySequence> CommandShortcuts(int commandId) {
  namespace id = command_id;
  switch (commandId) {
    case id::New: return {QKeySequence::New};
    case id::ExportClipboard: return {QKeySequence::Copy};
    case id::ImportClipboard: return {QKeySequence::Paste};
    case id::ImportPictureFile: return {QKeySequence::Open};
    case id::ExportPng: return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)};
    case id::Undo: return {QKeySequence::Undo};
    case id::Exit: return {QKeySequence(Qt::CTRL | Qt::Key_Q)};
    case id::ZoomIn: return {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)};
    case id::ZoomOut: return {QKeySequence(Qt::CTRL | Qt::Key_Minus)};
    case id::ZoomPixel: return {QKeySequence(Qt::CTRL | Qt::Key_0)};
    default: return {};
  }
}

}  // namespace tessmark
