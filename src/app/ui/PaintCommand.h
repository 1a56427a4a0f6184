#pragma once

#include <functional>
#include <optional>

#include "app/ui/CommandContext.h"
#include "paint/PaintContext.h"
#include "recipe/Operation.h"

namespace tessmark {

// What a generator has to tell the user once it has stopped (a picture file it could not load).
using GeneratorOutcome = std::optional<UserMessage>;
using Generator = std::function<GeneratorOutcome(CommandContext&, PaintContext&)>;

// One paint or filter command: its dialog, whether the Escape reminder comes first, the
// generator run on the picture once the user has confirmed, and what the recipe calls it.
struct PaintOperation {
  ParameterDialog Dialog;
  bool RemindsOfEscape = true;
  Generator Generate;
  OperationKind Kind = OperationKind::Circle;
};

// Picture check, size check, dialog, Escape reminder, undo snapshot, generator, display rebuild,
// in that order; any refusal or Cancel ends the command with nothing changed.
void PaintCommand(CommandContext& context, const PaintOperation& operation);

// The painting context of one generator run over the current picture.
PaintContext MakePaintContext(CommandContext& context, EscapePoll escapePressed);

// Runs the generator with a wait cursor and Escape watched, then tells what it has to tell (input
// is back by then) and shows the picture; while it runs, the window shows the picture growing. A
// run that painted is recorded in the picture's recipe.
void RunGenerator(CommandContext& context, const PaintOperation& operation);

// "Information !" unless switched off in the settings store ("dontshowinformation1" = 1); the
// answer of its check box is stored however the dialog closed.
void ShowEscapeInformation(CommandContext& context);

}  // namespace tessmark
