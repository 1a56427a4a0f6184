#pragma once

#include <functional>
#include <optional>

#include "app/ui/CommandContext.h"
#include "paint/PaintContext.h"
#include "recipe/OperationStep.h"

namespace tessmark {

// What a generator leaves for its command: what to tell the user once it has stopped (a picture
// file it could not load), and whether the display needs rebuilding.
struct GeneratorOutcome {
  std::optional<UserMessage> Message;
  bool RebuildsDisplay = true;
};
using Generator = std::function<GeneratorOutcome(CommandContext&, PaintContext&)>;

// One paint or filter command: the operation (its dialog, its live view and recipe entry),
// whether the Escape reminder comes first, and the generator run on the picture once the user has
// confirmed.
struct PaintOperation {
  OperationKind Kind;
  bool RemindsOfEscape = true;
  Generator Generate;
};

// The command of an operation as its row runs it.
PaintOperation OperationCommand(OperationKind kind);

// Picture check, size check, dialog, Escape reminder, undo snapshot, generator, display rebuild,
// in that order; any refusal or Cancel ends the command with nothing changed.
void PaintCommand(CommandContext& context, const PaintOperation& operation);

// The painting context of one generator run over the current picture.
PaintContext MakePaintContext(CommandContext& context, EscapePoll escapePressed);

// Runs the generator with a wait cursor and Escape watched, then tells what it has to tell (input
// is back by then) and shows the picture, unless the generator left it untouched; while it runs,
// the window shows the picture growing. A run that painted is recorded in the picture's recipe.
void RunGenerator(CommandContext& context, const PaintOperation& operation);

// "Information !" unless switched off in the settings store ("dontshowinformation1" = 1); the
// answer of its check box is stored however the dialog closed.
void ShowEscapeInformation(CommandContext& context);

}  // namespace tessmark
