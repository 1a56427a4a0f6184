#include "app/ui/FilterCommands.h"

#include "app/CommandIds.h"
#include "app/ui/PaintCommand.h"
#include "paint/Noise.h"

namespace tessmark {

void RegisterFilterCommands(CommandTable& table) {
  const PaintOperation noise{ParameterDialog::Noise, false, [](CommandContext& c, PaintContext& paint) {
                               NoiseFilter(paint.Target, c.State.Settings.Noise, paint.Random, paint.Seed());
                               return GeneratorOutcome();
                             },
                             OperationKind::Noise};
  table.Add(command_id::Noise, [noise](CommandContext& c) { PaintCommand(c, noise); });
}

}  // namespace tessmark
