#include "app/ui/LivePainting.h"

#include "recipe/OperationTable.h"

namespace tessmark {

LivePainting::LivePainting(CommandContext& context, OperationKind kind)
    : context_(context), command_(RowOf(kind).LiveName), pacer_(context.Desktop.SteadyMilliseconds()) {}

bool LivePainting::EscapePressed() {
  const std::int64_t shapes = polls_++;  // the first poll comes before the first shape
  const std::int64_t now = askedAt_ ? *askedAt_ : context_.Desktop.SteadyMilliseconds();
  askedAt_.reset();
  if (pacer_.Due(now)) {
    context_.View.ShowPainting(RunningStatus(command_, shapes));
    pacer_.Shown(now, context_.Desktop.SteadyMilliseconds());
  }
  if (Progress) Progress(shapes, now);
  return context_.Desktop.EscapePressed();
}

bool LivePainting::PictureWanted() {
  askedAt_ = context_.Desktop.SteadyMilliseconds();
  return pacer_.Due(*askedAt_);
}

}  // namespace tessmark
